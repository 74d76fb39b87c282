#include <QDesktopServices>
#include <QStringList>
#include <exception>
#include <memory>

#include "app/GuardedApplication.h"
#include "app/ProfilesLocation.h"
#include "app/QtUserPrompts.h"
#include "app/VantoraApplication.h"
#include "device/Clock.h"
#include "device/FtdiDriver.h"
#include "device/SimulatedUnit.h"

namespace {

// The one command-line option: use the built-in simulated unit instead of a
// real programmer.
constexpr const char* SimulateOption = "--simulate";

std::unique_ptr<ProgrammerDriver> ChooseDriver(const QStringList& arguments) {
  if (arguments.contains(QString::fromLatin1(SimulateOption))) return SimulatedUnit::StandardUnit();
  return std::make_unique<FtdiDriver>();
}

}  // namespace

int main(int argc, char** argv) {
  GuardedApplication application(argc, argv);
  // Names the user's data folder, ~/.local/share/vantora-programmer/.
  QApplication::setApplicationName(QStringLiteral("vantora-programmer"));
  try {
    std::unique_ptr<ProgrammerDriver> driver = ChooseDriver(QApplication::arguments());
    SystemClock clock;
    QtUserPrompts prompts;
    const std::string programFolder = QApplication::applicationDirPath().toStdString() + "/";
    AppPorts ports{*driver,
                   clock,
                   prompts,
                   programFolder,
                   ProfilesFolderFor(programFolder),
                   [] { QCoreApplication::quit(); },
                   [](const QUrl& url) { return QDesktopServices::openUrl(url); }};
    VantoraApplication vantora(ports);
    vantora.ShowStartPage();
    QApplication::exec();
  } catch (const std::exception& error) {
    ShowExceptionMessage(error.what());
  }
  return 0;
}
