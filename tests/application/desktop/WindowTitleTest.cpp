#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QProcess>

namespace {

QString Xdotool(const QStringList& arguments) {
  QProcess process;
  process.start("xdotool", arguments);
  process.waitForFinished(20000);
  return QString::fromUtf8(process.readAllStandardOutput()).section('\n', 0, 0);
}

}  // namespace

// On the X platform Qt would append an application display name to the
// captions: the program is started and the title of its window read back from
// the X server.
TEST(WindowTitleTest, TheProgramStartsWithAWindowTitledWelcomeAlone) {
  ASSERT_EQ(QGuiApplication::platformName(), "xcb");
  QProcess program;
  program.start(VANTORA_BUILT_PROGRAM_FOLDER "vantora-programmer", {"--simulate"});
  ASSERT_TRUE(program.waitForStarted());
  const QString window =
      Xdotool({"search", "--sync", "--onlyvisible", "--pid", QString::number(program.processId())});
  EXPECT_FALSE(window.isEmpty()) << "the start page appeared";
  EXPECT_EQ(Xdotool({"getwindowname", window}), "Welcome");
  program.kill();
  program.waitForFinished();
}
