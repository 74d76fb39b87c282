#include <QGuiApplication>
#include <QProcess>

#include "AppFixture.h"

// Run under Xvfb on the xcb platform, where Qt would append an application
// display name to every caption; the titles are read back from the X server.
using OnX11 = AppFixture;

namespace {

QString WindowTitle(const QString& windowId) {
  QProcess xdotool;
  xdotool.start("xdotool", {"getwindowname", windowId});
  xdotool.waitForFinished();
  return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
}

}  // namespace

TEST_F(OnX11, WindowTitlesAreThePagesOwnCaptions) {
  ASSERT_EQ(QGuiApplication::platformName(), "xcb");
  StartProgram();
  Windows& pages = Pages();
  const std::pair<QWidget*, QString> windows[] = {{pages.fStart, "Welcome"},
                                                  {pages.Form1, "Program Vantora"},
                                                  {pages.Form3, "Create Song Profile"},
                                                  {pages.frmAbout, "About"}};
  for (const auto& [window, caption] : windows) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(WindowTitle(QString::number(window->winId())), caption);
  }
}

TEST_F(OnX11, TheProgramStartsWithAWindowTitledWelcomeAlone) {
  QProcess program;
  program.start(VANTORA_BUILT_PROGRAM_FOLDER "vantora-programmer", {"--simulate"});
  ASSERT_TRUE(program.waitForStarted());
  QProcess search;
  search.start("xdotool", {"search", "--sync", "--onlyvisible", "--pid",
                           QString::number(program.processId())});
  const bool found = search.waitForFinished(20000);
  const QString window = QString::fromUtf8(search.readAllStandardOutput()).section('\n', 0, 0);
  EXPECT_TRUE(found && !window.isEmpty()) << "the start page appeared";
  EXPECT_EQ(WindowTitle(window), "Welcome");
  search.kill();
  program.kill();
  program.waitForFinished();
}
