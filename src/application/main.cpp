#include <unistd.h>

#include <QDesktopServices>
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
#include "commandline/CommandLineFrontEnd.h"
#include "commandline/CommandLineRequest.h"
#include "device/Clock.h"
#include "device/FtdiDriver.h"
#include "device/PacedDriver.h"
#include "programmingrun/ExitStatus.h"
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

int AnswerCommandLine(const CommandLineRequest& request) {
  if (request.AsksOnlyForText()) return PrintTextAnswer(request, std::cout, std::cerr);
  try {
    SystemClock clock;
    std::unique_ptr<ProgrammerDriver> driver = ChooseDriver(request.Simulate, clock);
    CommandLineFrontEnd frontEnd({*driver, clock, ProfilesFolderFor(ProgramFolder()), std::cout,
                                  std::cerr, isatty(STDERR_FILENO) == 1});
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
  const int status = AnswerCommandLine(request);
  // A report lost on a full disk is no success.
  std::cout.flush();
  if (status == ExitSuccess && !std::cout) {
    std::cerr << "vantora-programmer: the output could not be written\n";
    return ExitUnexpectedError;
  }
  return status;
}

// Shows the windows until the user ends the program.
void ShowWindows(const CommandLineRequest& request, SingleInstance& instance,
                 const QString& profileFile) {
  SystemClock clock;
  std::unique_ptr<ProgrammerDriver> driver = ChooseDriver(request.Simulate, clock);
  QtUserPrompts prompts;
  const std::string programFolder = ProgramFolder();
  // ~/.config/vantora-programmer/vantora-programmer.conf; an organisation
  // name would move the data folder as well.
  QtSoundOutput audio;
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, ApplicationName,
                     ApplicationName);
  AppPorts ports{*driver,
                 clock,
                 prompts,
                 programFolder,
                 ProfilesFolderFor(programFolder),
                 [] { QCoreApplication::quit(); },
                 [](const QUrl& url) { return QDesktopServices::openUrl(url); },
                 settings,
                 audio};
  VantoraApplication vantora(ports);
  // Questions open over the program's window.
  prompts.OpenOver(&vantora.Window());
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
  try {
    ShowWindows(request, instance, profileFile);
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
