// Runs on the X platform under a window manager (under_openbox.sh): where the
// pages' frames stand after page switches, and keys reaching the focused button.
#include <QScreen>

#include "application/AppFixture.h"
#include "support/SoundFiles.h"
#include "support/TemporaryFolder.h"

namespace {

// The window manager places, frames and activates windows in its own time.
constexpr int WindowManagerMs = 5000;

// The page's frame stands at the place, of its size, drawn by the window manager.
bool FrameStandsAt(QWidget* page, QRect place) {
  return QTest::qWaitFor(
      [&] {
        return page->isVisible() && page->frameGeometry() != page->geometry() &&
               page->frameGeometry() == place;
      },
      WindowManagerMs);
}

}  // namespace

using WindowPlacementTest = AppFixture;

TEST_F(WindowPlacementTest, TenPageSwitchesByTheReturnKeyLeaveTheFrameWhereAndAsLargeAsTheStartPage) {
  ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run through under_openbox.sh";
  // A profile of two sounds, so that Next goes on to the programming page.
  const std::string folder = ProgramFolder();
  std::filesystem::create_directory(folder + "Profiles");
  WriteSound(folder + "one.wav", 100);
  WriteSound(folder + "two.wav", 100);
  const std::string sounds = "Sound0=" + folder + "one.wav\r\nSound1=" + folder + "two.wav\r\n";
  WriteFile(folder + "Profiles/Alpha.qvt",
            "[Profile]\r\nID=0\r\nNumButtons=2\r\n[Button0]\r\nNumSounds=2\r\n" + sounds);
  // The start page opens larger than its design: every page shown after it
  // takes its place and size.
  startPageSize = QSize(912, 644);
  StartProgram();
  ASSERT_EQ(StartPagePosition(QGuiApplication::primaryScreen()->size()), QPoint(10, 10));
  ASSERT_TRUE(QTest::qWaitFor(
      [this] {
        return Start()->frameGeometry() != Start()->geometry() &&
               Start()->frameGeometry().topLeft() == QPoint(10, 10);
      },
      WindowManagerMs))
      << "the start page's frame stands at " << Start()->frameGeometry().x() << ", "
      << Start()->frameGeometry().y();
  const QRect start = Start()->frameGeometry();
  ASSERT_EQ(Start()->size(), QSize(912, 644));

  const std::tuple<Page*, const char*, Page*> switches[] = {
      {Start(), "bbContinue", Editor()}, {Editor(), "bbNext", Programming()},
      {Programming(), "bbPrevious", Editor()},  {Editor(), "bbPrevious", Start()},
      {Start(), "bbContinue", Editor()}, {Editor(), "bbNext", Programming()},
      {Programming(), "bbPrevious", Editor()},  {Editor(), "bbNext", Programming()},
      {Programming(), "bbPrevious", Editor()},  {Editor(), "bbPrevious", Start()}};
  int number = 0;
  for (const auto& [from, button, to] : switches) {
    ++number;
    ASSERT_TRUE(QTest::qWaitForWindowActive(from, WindowManagerMs)) << "switch " << number;
    Find(from, button)->setFocus();
    QTest::keyClick(from->windowHandle(), Qt::Key_Return);
    ASSERT_TRUE(to->isVisible() && !from->isVisible()) << "switch " << number;
    EXPECT_TRUE(FrameStandsAt(to, start))
        << "switch " << number << ": " << to->objectName().toStdString() << "'s frame stands at "
        << to->frameGeometry().x() << ", " << to->frameGeometry().y() << ", "
        << to->frameGeometry().width() << " × " << to->frameGeometry().height();
  }
}
