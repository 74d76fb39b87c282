// What the next run of the program finds as this run left it: the profile
// open, the windows' size and the folder of the last sound chosen.
#include <QComboBox>

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
  ShowInPlaceOf(editor, Start());
  EXPECT_EQ(Selected(), "Beta");
  EXPECT_EQ(editor->Profiles().Profile().Name, "Beta");
  EXPECT_EQ(VisibleTabs(), "11000000");

  std::filesystem::remove(Profiles() + "Beta.qvt");
  RunAgain();
  ShowInPlaceOf(editor, Start());
  EXPECT_EQ(Selected(), "Alpha") << "the first one, as without a profile kept";
}

TEST_F(RememberedTest, TheWindowsHaveTheSizeTheyWereLeftAt) {
  ShowEditor();
  editor->resize(1010, 720);
  RunAgain();
  EXPECT_EQ(Start()->size(), QSize(1010, 720));
  ShowInPlaceOf(editor, Start());
  EXPECT_EQ(editor->size(), QSize(1010, 720));
}

TEST_F(RememberedTest, SoundDialogsOpenWhereTheLastSoundWasChosen) {
  ShowEditor();
  prompts.ChosenFiles = {{Sound("a.wav").toStdString()}};
  editor->AddSounds();
  RunAgain();
  ShowInPlaceOf(editor, Start());
  prompts.ChosenFiles = {{}};
  editor->AddSounds();
  EXPECT_EQ(prompts.Dialogs.back().InitialFolder, sounds.Path());

  std::filesystem::remove_all(sounds.Path());
  RunAgain();
  ShowInPlaceOf(editor, Start());
  prompts.ChosenFiles = {{}};
  editor->AddSounds();
  EXPECT_NE(prompts.Dialogs.back().InitialFolder, sounds.Path()) << "a folder gone is not kept";
}
