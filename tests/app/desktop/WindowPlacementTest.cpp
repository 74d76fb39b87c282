// Runs on the X platform under a window manager (under_openbox.sh): where the
// pages' frames stand after page switches, and keys reaching the focused button.
#include <QScreen>

#include "app/AppFixture.h"
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
  StartProgram();
  ASSERT_EQ(StartPagePosition(QGuiApplication::primaryScreen()->size()), QPoint(10, 10));
  ASSERT_TRUE(QTest::qWaitFor([this] { return Start()->frameGeometry() != Start()->geometry(); },
                              WindowManagerMs));
  const QSize larger = Start()->frameGeometry().size() + QSize(120, 90);
  ASSERT_TRUE(FrameStandsAt(Start(), QRect(QPoint(10, 10), Start()->frameGeometry().size())))
      << "the start page's frame stands at " << Start()->frameGeometry().x() << ", "
      << Start()->frameGeometry().y();
  // The page made larger: every page shown after it takes its place and size.
  Start()->resize(Start()->size() + QSize(120, 90));
  ASSERT_TRUE(QTest::qWaitFor([&] { return Start()->frameGeometry().size() == larger; },
                              WindowManagerMs));
  const QRect start = Start()->frameGeometry();

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
