// Hearing a sound inside the program: Space plays the highlighted row and
// marks it, Space again, Esc or the sound's end stop it, and a machine
// without sound output says so on the Info line.
#include <QAudioDevice>
#include <QFont>
#include <QLabel>
#include <QMediaDevices>
#include <QSignalSpy>

#include "EditorFixture.h"
#include "support/SignalWait.h"

class SoundHearingTest : public EditorFixture {
 protected:
  // ding.wav (8000 frames) and dong.wav on Btn1, ding highlighted, the list
  // with the focus.
  void ShowTwoSounds() {
    ShowEditor();
    editor->AddSoundFile(Sound("ding.wav", 8044));
    editor->AddSoundFile(Sound("dong.wav", 4044));
    QTreeView* list = List(1);
    list->setCurrentIndex(list->model()->index(0, 0));
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
    list->setFocus();
  }
  bool Marked(int row) {
    const QModelIndex name = List(1)->model()->index(row, 0);
    return name.data(Qt::FontRole).value<QFont>().bold() && !name.data(Qt::DecorationRole).isNull();
  }
  // The sound is decoded off the GUI thread before it is played.
  bool PlayedCount(std::size_t count) {
    return QTest::qWaitFor([&] { return audio.Played.size() == count; }, 10000);
  }
};

TEST_F(SoundHearingTest, SpacePlaysTheHighlightedSoundMarkedUntilSpaceEscOrItsEnd) {
  ShowTwoSounds();
  QTest::keyClick(List(1), Qt::Key_Space);
  ASSERT_TRUE(PlayedCount(1));
  EXPECT_EQ(audio.Played[0].Frames(), 8000) << "ding.wav, the highlighted row";
  EXPECT_TRUE(Marked(0));
  EXPECT_FALSE(Marked(1));
  EXPECT_FALSE(editor->Document().Lists().Buttons[0].Sounds[0].Checked) << "Space plays only";

  QTest::keyClick(List(1), Qt::Key_Space);
  EXPECT_FALSE(audio.IsPlaying());
  EXPECT_FALSE(Marked(0));

  QTest::keyClick(List(1), Qt::Key_Space);
  ASSERT_TRUE(PlayedCount(2));
  QTest::keyClick(List(1), Qt::Key_Escape);
  EXPECT_FALSE(audio.IsPlaying());
  EXPECT_FALSE(Marked(0));

  QTest::keyClick(List(1), Qt::Key_Space);
  ASSERT_TRUE(PlayedCount(3));
  audio.End();
  EXPECT_FALSE(Marked(0)) << "the mark goes when the sound has played to its end";

  QTest::keyClick(List(1), Qt::Key_Space);
  ASSERT_TRUE(PlayedCount(4));
  editor->Commands().RemoveSoundsOfShownList();
  EXPECT_FALSE(audio.IsPlaying()) << "the row heard was removed";

  QTest::keyClick(List(1), Qt::Key_Space, Qt::ShiftModifier);
  EXPECT_TRUE(editor->Document().Lists().Buttons[0].Sounds[0].Checked) << "Shift+Space ticks";
}

TEST_F(SoundHearingTest, WithoutSoundOutputTheInfoLineSaysSoAndTheListGoesOn) {
  if (!QMediaDevices::defaultAudioOutput().isNull()) GTEST_SKIP() << "this machine has sound";
  machineAudio.emplace();
  ShowTwoSounds();
  QSignalSpy failed(&editor->Player(), &SoundPlayer::Failed);
  QTest::keyClick(List(1), Qt::Key_Space);
  ASSERT_TRUE(Arrived(failed));
  EXPECT_EQ(Find<QLabel>(editor, "Info")->text(), "No sound output is available");
  EXPECT_FALSE(Marked(0));
  editor->Commands().RemoveSoundsOfShownList();
  EXPECT_EQ(Names(1), QStringList{"dong.wav"});
}
