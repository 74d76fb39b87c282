// Every edit of the lists is one step of the history, taken back and done
// again with the lists, the unsaved mark and the file as they were.
#include <QAction>
#include <QMenuBar>

#include "EditorFixture.h"
#include "support/SignalWait.h"

class UndoTest : public EditorFixture {
 protected:
  void SetUp() override {
    ShowEditor("[Button0]\r\nNumSounds=2\r\nSound0=" + Sound("a.wav").toStdString() +
               "\r\nSound1=" + Sound("b.wav", 300).toStdString() + "\r\n");
    saved = FileText(Profiles() + "Alpha.qvt");
  }
  void Add(const QString& path) {
    prompts.ChosenFiles = {{path.toStdString()}};
    Choose(editor, "AddSongs1");
  }
  void Undo() { Find<QAction>(editor, "Undo1")->trigger(); }
  void Redo() { Find<QAction>(editor, "Redo1")->trigger(); }
  bool CanUndo() { return Find<QAction>(editor, "Undo1")->isEnabled(); }

  std::string saved;
};

TEST_F(UndoTest, AddDragAndRemoveAllTakenBackLeaveTheListsTheMarkAndTheFileAsBefore) {
  Add(Sound("c.wav"));
  DropRow(List(1), 2, 0);
  EXPECT_EQ(Names(1), (QStringList{"c.wav", "a.wav", "b.wav"}));
  prompts.Answers = {PromptAnswer::Yes};
  Choose(editor, "All1");
  EXPECT_TRUE(Names(1).isEmpty());
  EXPECT_TRUE(editor->isWindowModified());

  Undo();
  EXPECT_EQ(Names(1), (QStringList{"c.wav", "a.wav", "b.wav"}));
  EXPECT_EQ(List(1)->model()->rowCount(), 3) << "the list shows what the profile holds";
  Undo();
  EXPECT_EQ(Names(1), (QStringList{"a.wav", "b.wav", "c.wav"}));
  Undo();
  EXPECT_EQ(Names(1), (QStringList{"a.wav", "b.wav"}));
  EXPECT_FALSE(editor->isWindowModified()) << "back where the file is";
  EXPECT_FALSE(Changed()) << "nothing left to save";
  EXPECT_FALSE(CanUndo());
  EXPECT_EQ(FileText(Profiles() + "Alpha.qvt"), saved);

  Redo();
  EXPECT_EQ(Names(1), (QStringList{"a.wav", "b.wav", "c.wav"}));
  EXPECT_TRUE(Changed());
}

TEST_F(UndoTest, UndoAfterSaveRestoresTheRowsAndSetsTheMark) {
  Add(Sound("c.wav"));
  Choose(editor, "Save1");
  EXPECT_FALSE(editor->isWindowModified());
  Undo();
  EXPECT_EQ(Names(1), (QStringList{"a.wav", "b.wav"}));
  EXPECT_EQ(List(1)->model()->rowCount(), 2);
  EXPECT_TRUE(Changed()) << "the file holds c.wav";
  EXPECT_TRUE(editor->isWindowModified());
  Redo();
  EXPECT_FALSE(Changed()) << "the lists are what the file holds again";
}

TEST_F(UndoTest, TheHistoryOutlastsNextARunPrevAndTheStartPage) {
  Tick();
  Add(Sound("c.wav"));
  Choose(editor, "Save1");
  Click(editor, "bbNext");
  ASSERT_TRUE(Programming()->isVisible());
  QSignalSpy ended(Programming(), &ProgrammingPage::ProgrammingEnded);
  Click(Programming(), "bbProgram");
  ASSERT_TRUE(Arrived(ended));
  Click(Programming(), "bbPrevious");
  Click(editor, "bbPrevious");
  Click(Start(), "bbContinue");
  ASSERT_TRUE(editor->isVisible());
  ASSERT_TRUE(CanUndo()) << "the same profile, shown again from its unchanged file";
  Undo();
  EXPECT_EQ(Names(1), (QStringList{"a.wav", "b.wav"}));
  EXPECT_TRUE(editor->isWindowModified());
}

TEST_F(UndoTest, SavingANewProfileKeepsItsHistoryAndOpeningAnotherStartsAfresh) {
  prompts.Texts = {"Beta"};
  Choose(editor, "New1");
  Add(Sound("c.wav"));
  ASSERT_TRUE(Changed());
  prompts.Texts = {"Gamma"};
  Choose(editor, "SaveAs1");
  EXPECT_EQ(editor->Document().Name(), "Gamma");
  EXPECT_FALSE(Changed());
  ASSERT_TRUE(CanUndo()) << "a save is no other profile";

  prompts.ChosenFiles = {{Profiles() + "Alpha.qvt"}};
  Choose(editor, "Open1");
  EXPECT_EQ(Names(1), (QStringList{"a.wav", "b.wav"}));
  EXPECT_FALSE(CanUndo()) << "another profile's lists are no edit of these";
  Add(Sound("c.wav"));
  Choose(editor, "Save1");
  Choose(editor, "RetrieveBackup1");
  EXPECT_FALSE(CanUndo()) << "the backup's lists are no edit of these";
}

TEST_F(UndoTest, ButtonsAndRemovedRowsComeBackAndLoadingStartsAfresh) {
  Choose(editor, "AddButton1");
  EXPECT_EQ(VisibleTabs(), "11110000");
  Undo();
  EXPECT_EQ(VisibleTabs(), "11100000");
  EXPECT_TRUE(Tabs()->isTabVisible(Tabs()->currentIndex())) << "the tab that went is not active";

  Tabs()->setCurrentIndex(0);
  List(1)->selectionModel()->select(List(1)->model()->index(0, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
  editor->Commands().RemoveSoundsOfShownList();
  EXPECT_EQ(Names(1), QStringList{"b.wav"});
  Undo();
  EXPECT_EQ(Names(1), (QStringList{"a.wav", "b.wav"}));

  Add(Sound("c.wav"));
  prompts.Answers = {PromptAnswer::No};  // "Save profile?"
  editor->Profiles().Selection().SelectProfile(0);
  editor->Profiles().SelectionChanged();
  EXPECT_FALSE(CanUndo()) << "another profile's lists are no edit of these";
}

TEST_F(UndoTest, TheCaptionNamesTheOpenProfileAndMarksUnsavedEdits) {
  EXPECT_EQ(editor->windowTitle(), "Create Song Profile - Alpha[*]");
  EXPECT_FALSE(editor->isWindowModified());
  Choose(editor, "AddButton1");
  EXPECT_TRUE(editor->isWindowModified());
  EXPECT_EQ(Find<QAction>(editor, "Undo1")->shortcut(), QKeySequence::Undo);
  EXPECT_EQ(Find<QAction>(editor, "Redo1")->shortcut(), QKeySequence("Ctrl+Shift+Z"));
}

TEST_F(UndoTest, AMissingSoundDroppedBeforeNextComesBackWithUndo) {
  WriteFile(sounds.Path() + "fake.mp3", "a text file named like a sound");
  // As a profile written elsewhere may list it: adding it here is refused.
  editor->Document().Edit("Add Sound", [this](SongProfile& lists) {
    lists.Buttons[0].Sounds.push_back({"fake.mp3", "30", sounds.Path()});
  });
  ASSERT_TRUE(Answered(editor->Profiles().Save()));
  std::filesystem::remove(Sound("b.wav").toStdString());
  prompts.Answers = {PromptAnswer::No, PromptAnswer::Ok};  // drop b.wav; fake.mp3 refused
  Click(editor, "bbNext");
  ASSERT_EQ(prompts.Questions.at(0).Title, "File Does Not Exist");
  ASSERT_TRUE(editor->isVisible()) << "Next refused the text file";
  EXPECT_EQ(Names(1), (QStringList{"a.wav", "fake.mp3"}));
  EXPECT_FALSE(Changed()) << "saved without b.wav";
  EXPECT_FALSE(editor->isWindowModified());

  Undo();
  EXPECT_EQ(Names(1), (QStringList{"a.wav", "b.wav", "fake.mp3"}));
  EXPECT_TRUE(Changed()) << "the file no longer holds b.wav";
}

TEST_F(UndoTest, ASoundNextFoundInAnotherFolderIsOneStepBack) {
  TemporaryFolder elsewhere;
  const std::string moved = elsewhere.Path() + "b.wav";
  std::filesystem::rename(sounds.Path() + "b.wav", moved);
  prompts.Answers = {PromptAnswer::Yes};
  prompts.ChosenFiles = {{moved}};
  Click(editor, "bbNext");
  ASSERT_TRUE(Programming()->isVisible());
  EXPECT_EQ(editor->Document().Lists().Buttons[0].Sounds[1].Directory, elsewhere.Path());
  ASSERT_TRUE(CanUndo()) << "only the folder changed, and it is a step of its own";
  Undo();
  EXPECT_EQ(editor->Document().Lists().Buttons[0].Sounds[1].Directory, sounds.Path());
  EXPECT_TRUE(Changed()) << "the file holds the sound where Next found it";
}
