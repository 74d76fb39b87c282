#include <unistd.h>

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <exception>
#include <iostream>
#include <memory>

#include "application/DisplayCheck.h"
#include "application/GuardedApplication.h"
#include "application/LibraryNotes.h"
#include "application/ProfilesLocation.h"
#include "application/SingleInstance.h"
#include "application/VantoraApplication.h"
#include "application/WindowsSupportReport.h"
#include "commandline/CommandLineFrontEnd.h"
#include "commandline/CommandLineRequest.h"
#include "device/Clock.h"
#include "device/FtdiDriver.h"
#include "device/LoggingDriver.h"
#include "device/PacedDriver.h"
#include "devicethread/ArrivalProbes.h"
#include "diagnostics/CategoryDeviceLog.h"
#include "diagnostics/LogCategories.h"
#include "diagnostics/LogFiles.h"
#include "diagnostics/LogRouting.h"
#include "formatting/UserLanguage.h"
#include "programmingrun/ExitStatus.h"
#include "sleepinhibitor/SleepInhibitor.h"
#include "widgets/QtSoundOutput.h"
#include "widgets/QtUserPrompts.h"

namespace {

// The simulated unit answers at a real cable's pace, through the clock.
std::unique_ptr<ProgrammerDriver> ChooseDriver(bool simulate, Clock& clock) {
  if (simulate) return SimulatedProgrammerAtCablePace(clock);
  return std::make_unique<FtdiDriver>();
}

// The program's own folder, ending in "/": Web/, Documentation/ and often
// Profiles/ are found there.
std::string ProgramFolder() {
  return QCoreApplication::applicationDirPath().toStdString() + "/";
}

const QString ApplicationName = QStringLiteral("vantora-programmer");

void NameTheApplication() {
  // Names the user's data folder, ~/.local/share/vantora-programmer/.
  QCoreApplication::setApplicationName(ApplicationName);
}

// ~/.config/vantora-programmer/vantora-programmer.conf; an organisation
// name would move the data folder as well.
std::unique_ptr<QSettings> UserSettings() {
  return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, ApplicationName,
                                     ApplicationName);
}

// --debug and --log-file; false, with the reason told, when the log file
// cannot be written.
bool RouteLog(const CommandLineRequest& request, LogRouting& logging) {
  if (request.Debug) logging.ShowOnTerminal();
  QString error;
  if (!request.LogFile.isEmpty() && !logging.WriteToFile(request.LogFile, error)) {
    std::cerr << "vantora-programmer: the log file " << request.LogFile.toStdString()
              << " cannot be written: " << error.toStdString() << "\n";
    return false;
  }
  return true;
}

// The first line of each run of the program in its log.
void LogTheStart(const CommandLineRequest& request) {
  qCInfo(AppLogging, "vantora-programmer %s (Qt %s), %s%s", VANTORA_VERSION, qVersion(),
         request.OpensWindows() ? "windows" : "command line",
         request.Simulate ? ", simulated unit" : "");
}

int AnswerCommandLine(const CommandLineRequest& request, const LogRouting& logging) {
  try {
    SystemClock clock;
    std::unique_ptr<ProgrammerDriver> driver = ChooseDriver(request.Simulate, clock);
    CategoryDeviceLog deviceLog;
    LoggingDriver logged(*driver, deviceLog, clock);
    const std::unique_ptr<QSettings> settings = UserSettings();
    CommandLineFrontEnd frontEnd({logged, clock, ProfilesFolderFor(ProgramFolder()), std::cout,
                                  std::cerr, isatty(STDERR_FILENO) == 1, ProgrammerLockPatience,
                                  settings.get(), &logging});
    const SleepInhibitor noSleepDuringRuns(frontEnd.Device());
    return frontEnd.Run(request);
  } catch (const std::exception& error) {
    std::cerr << "vantora-programmer: " << error.what() << "\n";
    return ExitUnexpectedError;
  }
}

// The command line: no widget, so no display is needed, and no question.
int RunCommandLine(int argc, char** argv, const CommandLineRequest& request) {
  QCoreApplication application(argc, argv);
  NameTheApplication();
  SpeakUsersLanguage(application);
  // The arguments are read again for the answer, now in the user's language.
  if (request.AsksOnlyForText()) {
    return PrintTextAnswer(ParseCommandLine(QCoreApplication::arguments()), std::cout, std::cerr);
  }
  LogRouting logging;
  if (!RouteLog(request, logging)) return ExitUnexpectedError;
  LogTheStart(request);
  const int status = AnswerCommandLine(request, logging);
  // A report lost on a full disk is no success.
  std::cout.flush();
  if (status == ExitSuccess && !std::cout) {
    std::cerr << "vantora-programmer: the output could not be written\n";
    return ExitUnexpectedError;
  }
  return status;
}

// The windows keep the changes worth keeping in a bounded log file of their
// own, from the start on; without one they go on all the same.
void StartWindowsLog(const CommandLineRequest& request, LogRouting& logging) {
  const QString path = WindowsLogPath();
  QString error = QStringLiteral("its folder cannot be made");
  const bool kept = QDir().mkpath(QFileInfo(path).path()) && logging.KeepInBoundedFile(path, error);
  LogTheStart(request);
  if (kept) {
    qCInfo(AppLogging, "log file: %s", qPrintable(path));
  } else {
    qCWarning(AppLogging, "no log file: %s cannot be written (%s)", qPrintable(path),
              qPrintable(error));
  }
}

// Shows the windows until the user ends the program.
void ShowWindows(const CommandLineRequest& request, SingleInstance& instance,
                 const QString& profileFile, LogRouting& logging) {
  SystemClock clock;
  std::unique_ptr<ProgrammerDriver> driver = ChooseDriver(request.Simulate, clock);
  CategoryDeviceLog deviceLog;
  LoggingDriver logged(*driver, deviceLog, clock);
  QtUserPrompts prompts;
  const std::string programFolder = ProgramFolder();
  QtSoundOutput audio;
  const std::unique_ptr<QSettings> settings = UserSettings();
  qCInfo(AppLogging, "settings: %s", qPrintable(settings->fileName()));
  // The report is asked for from a menu, once the windows exist.
  VantoraApplication* windows = nullptr;
  const auto supportReport = [&] {
    return WindowsSupportReport(windows->Unit(), *settings, &logging);
  };
  AppPorts ports{logged,
                 clock,
                 prompts,
                 programFolder,
                 ProfilesFolderFor(programFolder),
                 [] { QCoreApplication::quit(); },
                 [](const QUrl& url) { return QDesktopServices::openUrl(url); },
                 *settings,
                 audio,
                 supportReport};
  VantoraApplication vantora(ports);
  // Questions open over the program's window.
  prompts.OpenOver(&vantora.Window());
  windows = &vantora;
  const SleepInhibitor noSleepDuringRuns(vantora.Device());
  // A simulated unit is never plugged in.
  std::unique_ptr<ArrivalProbes> arrivals;
  if (!request.Simulate) arrivals = std::make_unique<ArrivalProbes>(vantora.Device());
  // Taken up once the first page is shown and nothing else asks.
  QObject::connect(&instance, &SingleInstance::Requested, &vantora.Requests(),
                   &StartRequests::TakeLaterStart, Qt::QueuedConnection);
  vantora.Requests().ShowFirstPage(profileFile);
  QApplication::exec();
}

int RunWindows(int argc, char** argv, const CommandLineRequest& request) {
  if (!DisplayFound(request.Platform)) {
    std::cerr << NoDisplayMessage << "\n";
    return ExitUsage;
  }
  GuardedApplication application(argc, argv);
  NameTheApplication();
  SpeakUsersLanguage(application);
  // Windows already running have another current folder.
  const QString profileFile =
      request.ProfileFile.isEmpty() ? QString() : QFileInfo(request.ProfileFile).absoluteFilePath();
  // With --simulate or without, one set of windows per user: all of them
  // edit the same Profiles folder, and two editors would save over each
  // other's edits. A later --simulate start raises the windows that run,
  // whichever unit they talk to.
  SingleInstance instance(WindowsServerName());
  switch (instance.Begin(profileFile)) {
    case SingleInstance::Start::HandedOver:
      if (request.Simulate) {
        std::cerr << "vantora-programmer: the windows already open keep their unit; "
                     "--simulate takes effect only when no windows run\n";
      }
      return ExitSuccess;
    case SingleInstance::Start::NoAnswer:
      std::cerr << "vantora-programmer: the windows already open do not answer\n";
      return ExitUnexpectedError;
    case SingleInstance::Start::First:
      break;
  }
  // Only the windows that run write the logs: a later start hands over.
  LogRouting logging;
  if (!RouteLog(request, logging)) return ExitUnexpectedError;
  StartWindowsLog(request, logging);
  try {
    ShowWindows(request, instance, profileFile, logging);
  } catch (const std::exception& error) {
    ShowExceptionMessage(error.what());
  }
  return 0;
}

}  // namespace

// The arguments choose the front end before any application object exists:
// the windows need a display, the command line must not.
int main(int argc, char** argv) {
  SilenceLibraryNotes();
  QStringList arguments;
  for (int index = 0; index < argc; ++index) arguments.append(QString::fromLocal8Bit(argv[index]));
  const CommandLineRequest request = ParseCommandLine(arguments);
  // The modes always run in a process of their own, windows open or not.
  if (request.OpensWindows()) return RunWindows(argc, argv, request);
  return RunCommandLine(argc, argv, request);
}
