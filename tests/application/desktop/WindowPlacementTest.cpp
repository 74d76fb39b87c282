// Runs on the X platform under a window manager (under_openbox.sh): where the
// pages' frames stand after page switches, and keys reaching the focused button.
#include <QMainWindow>
#include <QScreen>

#include "application/AppFixture.h"
#include "support/SoundFiles.h"
#include "support/TemporaryFolder.h"

namespace {

// The window manager places, frames and activates windows in its own time.
constexpr int WindowManagerMs = 5000;

}  // namespace

using WindowPlacementTest = AppFixture;

TEST_F(WindowPlacementTest, TenPageChangesByTheReturnKeyKeepTheWindowItsPlaceAndItsSize) {
  ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run through under_openbox.sh";
  // A profile of two sounds, so that Next goes on to the programming page.
  const std::string folder = ProgramFolder();
  std::filesystem::create_directory(folder + "Profiles");
  WriteSound(folder + "one.wav", 100);
  WriteSound(folder + "two.wav", 100);
  const std::string sounds = "Sound0=" + folder + "one.wav\r\nSound1=" + folder + "two.wav\r\n";
  WriteFile(folder + "Profiles/Alpha.qvt",
            "[Profile]\r\nID=0\r\nNumButtons=2\r\n[Button0]\r\nNumSounds=2\r\n" + sounds);
  windowSize = QSize(912, 644);
  StartProgram();
  ASSERT_EQ(StartPosition(QGuiApplication::primaryScreen()->size()), QPoint(10, 10));
  QMainWindow& window = Window();
  ASSERT_TRUE(QTest::qWaitFor(
      [&window] {
        return window.frameGeometry() != window.geometry() &&
               window.frameGeometry().topLeft() == QPoint(10, 10);
      },
      WindowManagerMs))
      << "the window's frame stands at " << window.frameGeometry().x() << ", "
      << window.frameGeometry().y();
  const QRect place = window.frameGeometry();
  const WId id = window.winId();
  ASSERT_EQ(window.size(), QSize(912, 644));

  const std::tuple<Page*, const char*, Page*> changes[] = {
      {Start(), "bbContinue", Editor()}, {Editor(), "bbNext", Programming()},
      {Programming(), "bbPrevious", Editor()},  {Editor(), "bbPrevious", Start()},
      {Start(), "bbContinue", Editor()}, {Editor(), "bbNext", Programming()},
      {Programming(), "bbPrevious", Editor()},  {Editor(), "bbNext", Programming()},
      {Programming(), "bbPrevious", Editor()},  {Editor(), "bbPrevious", Start()}};
  int number = 0;
  for (const auto& [from, button, to] : changes) {
    SCOPED_TRACE("change " + std::to_string(++number));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window, WindowManagerMs));
    Find(from, button)->setFocus();
    QTest::keyClick(window.windowHandle(), Qt::Key_Return);
    ASSERT_TRUE(to->isVisible() && !from->isVisible());
    EXPECT_EQ(window.winId(), id) << "one window throughout";
    EXPECT_FALSE(QTest::qWaitFor([&] { return window.frameGeometry() != place; }, 300))
        << "the frame moved to " << window.frameGeometry().x() << ", "
        << window.frameGeometry().y() << ", " << window.frameGeometry().width() << " × "
        << window.frameGeometry().height();
    EXPECT_EQ(window.windowTitle(), to->windowTitle()) << "the page's caption";
  }
}
