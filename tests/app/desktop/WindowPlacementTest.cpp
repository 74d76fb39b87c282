// Runs on the X platform under a window manager (under_openbox.sh): where the
// pages' frames stand after page switches, and keys reaching the focused button.
#include <QScreen>

#include "app/AppFixture.h"
#include "support/SoundFiles.h"
#include "support/TemporaryFolder.h"

namespace {

// The window manager places, frames and activates windows in its own time.
constexpr int WindowManagerMs = 5000;

// The page's frame stands at the point, drawn by the window manager.
bool FrameStandsAt(QWidget* page, QPoint point) {
  return QTest::qWaitFor(
      [&] {
        return page->isVisible() && page->frameGeometry() != page->geometry() &&
               page->frameGeometry().topLeft() == point;
      },
      WindowManagerMs);
}

}  // namespace

using WindowPlacementTest = AppFixture;

TEST_F(WindowPlacementTest, TenPageSwitchesByTheReturnKeyLeaveTheFrameWhereTheStartPageStood) {
  ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run through under_openbox.sh";
  // A profile of two sounds, so that Next goes on to the programming page.
  const std::string folder = ProgramFolder();
  std::filesystem::create_directory(folder + "Profiles");
  WriteSound(folder + "one.wav", 100);
  WriteSound(folder + "two.wav", 100);
  const std::string sounds = "Sound0=" + folder + "one.wav\r\nSound1=" + folder + "two.wav\r\n";
  WriteFile(folder + "Profiles/Alpha.qvt",
            "[Profile]\r\nID=0\r\nNumButtons=2\r\n[Button0]\r\nNumSounds=2\r\n" + sounds);
  StartProgram();
  Windows& pages = Pages();
  const QPoint start = StartPagePosition(QGuiApplication::primaryScreen()->size());
  ASSERT_EQ(start, QPoint(10, 10));
  ASSERT_TRUE(FrameStandsAt(pages.fStart, start))
      << "the start page's frame stands at " << pages.fStart->frameGeometry().x() << ", "
      << pages.fStart->frameGeometry().y();

  const std::tuple<Page*, const char*, Page*> switches[] = {
      {pages.fStart, "bbContinue", pages.Form3}, {pages.Form3, "bbNext", pages.Form1},
      {pages.Form1, "bbPrevious", pages.Form3},  {pages.Form3, "bbPrevious", pages.fStart},
      {pages.fStart, "bbContinue", pages.Form3}, {pages.Form3, "bbNext", pages.Form1},
      {pages.Form1, "bbPrevious", pages.Form3},  {pages.Form3, "bbNext", pages.Form1},
      {pages.Form1, "bbPrevious", pages.Form3},  {pages.Form3, "bbPrevious", pages.fStart}};
  int number = 0;
  for (const auto& [from, button, to] : switches) {
    ++number;
    ASSERT_TRUE(QTest::qWaitForWindowActive(from, WindowManagerMs)) << "switch " << number;
    Find(from, button)->setFocus();
    QTest::keyClick(from->windowHandle(), Qt::Key_Return);
    ASSERT_TRUE(to->isVisible() && !from->isVisible()) << "switch " << number;
    EXPECT_TRUE(FrameStandsAt(to, start))
        << "switch " << number << ": " << to->objectName().toStdString() << "'s frame stands at "
        << to->frameGeometry().x() << ", " << to->frameGeometry().y();
  }
}
