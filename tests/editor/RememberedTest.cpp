// What the next run of the program finds as this run left it: the profile
// open, the windows' size and the folder of the last sound chosen.
#include <QComboBox>
#include <QLabel>

#include "EditorFixture.h"

class RememberedTest : public EditorFixture {
 protected:
  void RunAgain() {
    vantora.reset();
    StartProgram();
    editor = Editor();
  }
  QString Selected() { return Find<QComboBox>(editor, "ComboBox1")->currentText(); }
};

TEST_F(RememberedTest, TheProfileOpenLastIsOpenAgainWhileItExists) {
  WriteFile(Profiles() + "Beta.qvt", "[Profile]\r\nID=5\r\nNumButtons=2\r\n");
  ShowEditor();
  ASSERT_EQ(Selected(), "Alpha");
  Find<QComboBox>(editor, "ComboBox1")->setCurrentText("Beta");
  RunAgain();
  GoToEditor();
  EXPECT_EQ(Selected(), "Beta");
  EXPECT_EQ(editor->Document().Lists().Name, "Beta");
  EXPECT_EQ(VisibleTabs(), "11000000");

  std::filesystem::remove(Profiles() + "Beta.qvt");
  RunAgain();
  GoToEditor();
  EXPECT_EQ(Selected(), "Alpha") << "the first one, as without a profile kept";
}

TEST_F(RememberedTest, TheWindowHasTheSizeItWasLeftAt) {
  ShowEditor();
  Window().resize(1010, 720);
  RunAgain();
  EXPECT_EQ(Window().size(), QSize(1010, 720));
}

TEST_F(RememberedTest, SoundDialogsOpenWhereTheLastSoundWasChosen) {
  ShowEditor();
  prompts.ChosenFiles = {{Sound("a.wav").toStdString()}};
  Choose(editor, "AddSongs1");
  RunAgain();
  GoToEditor();
  prompts.ChosenFiles = {{}};
  Choose(editor, "AddSongs1");
  EXPECT_EQ(prompts.Dialogs.back().InitialFolder, sounds.Path());

  std::filesystem::remove_all(sounds.Path());
  RunAgain();
  GoToEditor();
  prompts.ChosenFiles = {{}};
  Choose(editor, "AddSongs1");
  EXPECT_NE(prompts.Dialogs.back().InitialFolder, sounds.Path()) << "a folder gone is not kept";
}

TEST_F(RememberedTest, TheLastUnitSeenIsWrittenOnlyWhenItChangesAndKeptForTheNextRun) {
  ShowEditor("[Button0]\r\nNumSounds=1\r\nSound0=" + Sound("a.wav").toStdString() + "\r\n");
  Tick();
  ASSERT_EQ(settings.value("LastUnit/MemoryCount").toInt(), 2);
  // Gone from the settings behind the program's back: the same unit seen
  // again writes nothing, and nothing brings the key back.
  settings.remove("LastUnit/Buttons");
  Tick();
  EXPECT_FALSE(settings.contains("LastUnit/Buttons")) << "the same unit rewrote the settings";

  UnitStatus smaller = vantora->Unit().Status();
  smaller.Slots[1].Capacity = 131071;
  vantora->Unit().Store({smaller, "QVT2 Vantora Programmer", false});
  editor->OnStatusTimer();
  EXPECT_EQ(settings.value("LastUnit/Memories").toStringList().at(1).section(' ', 0, 0),
            "131071")
      << "one memory's capacity is enough to make it another unit";

  unit->Attach(false);
  RunAgain();
  GoToEditor();
  Tick();
  Choose(editor, "MakeItFit1");
  EXPECT_EQ(Find<QLabel>(editor, "Info")->text(), "Every sound fits the unit already")
      << "measured against the memories of the last unit, kept with their count";
}
