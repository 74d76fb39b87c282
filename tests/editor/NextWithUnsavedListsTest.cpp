// Next with lists that their file does not hold: the user says whether they
// are saved first, programmed as they are shown, or kept for more editing.
#include <QLabel>
#include <QTreeWidget>

#include "EditorFixture.h"
#include "support/ProfileFiles.h"
#include "support/SignalWait.h"

class NextWithUnsavedListsTest : public EditorFixture {
 protected:
  void SetUp() override {
    ShowEditor("[Button0]\r\nNumSounds=2\r\nSound0=" + Sound("a.wav").toStdString() +
               "\r\nSound1=" + Sound("b.wav", 300).toStdString() + "\r\n");
    saved = FileText(Profiles() + "Alpha.qvt");
    Tick();
    // b.wav before a.wav, as Alt+Down on the first row does.
    List(1)->setFocus();
    List(1)->setCurrentIndex(List(1)->model()->index(0, 0));
    QTest::keyClick(List(1), Qt::Key_Down, Qt::AltModifier);
    ASSERT_EQ(Names(1), (QStringList{"b.wav", "a.wav"}));
    ASSERT_TRUE(editor->isWindowModified());
  }
  void NextAnswering(PromptAnswer answer) {
    prompts.Answers = {answer};
    Click(editor, "bbNext");
  }
  // The song data that reached the unit, in the order it was sent.
  std::string SentSongData() {
    std::string sent;
    for (const auto& write : unit->Traffic().Writes) {
      if (write.size() > 16) sent.append(write.begin(), write.end());
    }
    return sent;
  }
  void Program() {
    QSignalSpy ended(Programming(), &ProgrammingPage::ProgrammingEnded);
    unit->ClearTraffic();
    Click(Programming(), "bbProgram");
    ASSERT_TRUE(Arrived(ended));
    Tick();
  }
  QString ProfileOnUnit() { return Find<QLabel>(editor, "StatusPanel4")->text(); }
  std::string SoundBytes(const char* name) { return FileText(sounds.Path() + name); }

  std::string saved;
};

TEST_F(NextWithUnsavedListsTest, CancelStaysInTheEditorWithNothingChanged) {
  NextAnswering(PromptAnswer::Cancel);
  EXPECT_EQ(prompts.Questions.at(0),
            (Question{"Profile Alpha has unsaved changes.",
                      "Unsaved Changes",
                      PromptButtons::YesNoCancel,
                      PromptIcon::Exclamation,
                      PromptAnswer::Cancel,
                      {"Save and Program", "Program Without Saving", "Cancel"}}));
  EXPECT_TRUE(editor->isVisible());
  EXPECT_EQ(Names(1), (QStringList{"b.wav", "a.wav"}));
  EXPECT_TRUE(editor->isWindowModified());
  EXPECT_EQ(FileText(Profiles() + "Alpha.qvt"), saved);
}

TEST_F(NextWithUnsavedListsTest, SaveAndProgramSavesTheListsThenProgramsThem) {
  NextAnswering(PromptAnswer::Yes);
  ASSERT_TRUE(Programming()->isVisible());
  EXPECT_EQ(FileText(Profiles() + "Alpha.qvt"),
            ProfileText(4, {{sounds.Path() + "b.wav", sounds.Path() + "a.wav"}, {}, {}}));
  Program();
  EXPECT_EQ(SentSongData(), SoundBytes("b.wav") + SoundBytes("a.wav"));
  Click(Programming(), "bbPrevious");
  EXPECT_EQ(Names(1), (QStringList{"b.wav", "a.wav"}));
  EXPECT_FALSE(editor->isWindowModified());
  EXPECT_EQ(ProfileOnUnit(), "Profile On Vantora : Alpha");
}

TEST_F(NextWithUnsavedListsTest, ProgramWithoutSavingSendsTheListsShownAndKeepsThemUnsaved) {
  NextAnswering(PromptAnswer::No);
  ASSERT_TRUE(Programming()->isVisible());
  EXPECT_TRUE(editor->isWindowModified()) << "the mark stays until a save";
  Program();
  EXPECT_EQ(SentSongData(), SoundBytes("b.wav") + SoundBytes("a.wav"));
  EXPECT_EQ(FileText(Profiles() + "Alpha.qvt"), saved);
  Click(Programming(), "bbPrevious");
  EXPECT_EQ(Names(1), (QStringList{"b.wav", "a.wav"})) << "the lists as they were sent";
  EXPECT_TRUE(editor->isWindowModified());
  EXPECT_EQ(ProfileOnUnit(), "Profile On Vantora : Alpha (not saved)");

  Find<QAction>(editor, "Undo1")->trigger();
  EXPECT_EQ(Names(1), (QStringList{"a.wav", "b.wav"})) << "the history is kept";
  EXPECT_FALSE(editor->isWindowModified());
  editor->OnStatusTimer();
  EXPECT_EQ(ProfileOnUnit(), "Profile On Vantora : Alpha (not saved)")
      << "the file holds other lists than the unit";
  Find<QAction>(editor, "Redo1")->trigger();
  Choose(editor, "Save1");
  editor->OnStatusTimer();
  EXPECT_EQ(ProfileOnUnit(), "Profile On Vantora : Alpha") << "saved as they were sent";
}
