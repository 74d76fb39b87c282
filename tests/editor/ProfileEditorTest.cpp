#include <QComboBox>
#include <QLabel>
#include <QMenuBar>

#include "EditorFixture.h"
#include "app/StatusText.h"

// The editor on "Alpha" (door.mp3 on Btn1), with "Beta" (two buttons) beside it.
class ProfileEditorTest : public EditorFixture {
 protected:
  void SetUp() override {
    WriteFile(Profiles() + "Beta.qvt", "[Profile]\r\nID=1\r\nNumButtons=2\r\n");
    ShowEditor("[Button0]\r\nNumSounds=1\r\nSound0=" + Sound("door.mp3").toStdString() + "\r\n");
  }
  void Edit() {
    editor->Profiles().Profile().Buttons[1].Sounds.push_back({"door.mp3", "10", sounds.Path()});
    Changed() = true;
  }
  bool AlphaHoldsTheEdit() {
    return FileText(Profiles() + "Alpha.qvt").find("[Button1]\r\nNumSounds=1\r\nSound0=") !=
           std::string::npos;
  }
};

TEST_F(ProfileEditorTest,
       ThePageShowsTheChosenProfileSavesEditsIntoTheirOwnAndReportsCommandsInInfo) {
  EXPECT_EQ(Entries(editor->menuBar()), (QStringList{":Profiles", "AddSongs1:Add Sounds",
                                                     ":Remove Sounds", ":Buttons", ":Help"}));
  EXPECT_EQ(Entries(Find<QMenu>(editor, "Profiles1")),
            (QStringList{"New1:New", "Open1:Open", "Save1:Save", "SaveAs1:Save As...",
                         "RetrieveBackup1:Retrieve Backup", "Delete1:Delete"}));
  EXPECT_EQ(VisibleTabs(), "11100000");
  auto* comboBox1 = Find<QComboBox>(editor, "ComboBox1");
  EXPECT_EQ(comboBox1->currentText(), "Alpha");
  EXPECT_FALSE(comboBox1->isEditable());
  const QAbstractItemModel* rows = List(1)->model();
  ASSERT_EQ(rows->rowCount(), 1);
  EXPECT_EQ(rows->index(0, 0).data().toString() + " " + rows->index(0, 1).data().toString(),
            "door.mp3 100");

  List(1)->setCurrentIndex(rows->index(0, 0));
  QTest::keyClick(List(1), Qt::Key_Space);
  EXPECT_TRUE(editor->Profiles().Profile().Buttons[0].Sounds[0].Checked) << "the row's check box";

  Edit();
  prompts.Answers = {PromptAnswer::Yes};
  QTest::keyClick(comboBox1, Qt::Key_Down);
  EXPECT_EQ(prompts.Questions.at(0).Title, "Profile Changed");
  EXPECT_TRUE(AlphaHoldsTheEdit());
  EXPECT_EQ(FileText(Profiles() + "Beta.qvt"), "[Profile]\r\nID=1\r\nNumButtons=2\r\n");
  EXPECT_EQ(editor->Profiles().CurrentProfileName(), "Beta");
  EXPECT_EQ(rows->rowCount(), 0);

  auto* info = Find<QLabel>(editor, "Info");
  std::filesystem::create_directories(Profiles() + "Beta.BAK/inside");
  Choose(editor, "Save1");
  EXPECT_EQ(info->text(), "ERROR saving profile Beta.");
  EXPECT_EQ(StatusColour(info), FailureColour);
  std::filesystem::remove_all(Profiles() + "Beta.BAK");
  Choose(editor, "Save1");
  EXPECT_EQ(info->text(), "Profile saved");
  EXPECT_EQ(StatusColour(info), OrdinaryColour);
  prompts.Answers = {PromptAnswer::Ok};
  Choose(editor, "Delete1");
  EXPECT_EQ(info->text(), "Profile Beta deleted.");
  EXPECT_EQ(comboBox1->count(), 1);
  EXPECT_EQ(comboBox1->currentText(), "Alpha");
  prompts.Texts = {"Gamma"};
  Choose(editor, "New1");
  EXPECT_EQ(info->text(), "Profile created");
  EXPECT_EQ(comboBox1->currentText(), "Gamma");
}

TEST_F(ProfileEditorTest, PreviousAndClosingOfferToSaveEditsAndComingBackReloads) {
  Edit();
  prompts.Answers = {PromptAnswer::No};
  Click(editor, "bbPrevious");
  EXPECT_TRUE(prompts.AllAnswersUsed());
  EXPECT_TRUE(Pages().fStart->isVisible());
  ShowInPlaceOf(editor, Pages().fStart);
  EXPECT_TRUE(editor->Profiles().Profile().Buttons[1].Sounds.empty());

  Edit();
  prompts.Answers = {PromptAnswer::Cancel, PromptAnswer::Yes};
  EXPECT_FALSE(editor->close());
  EXPECT_EQ(endRequests, 0);
  EXPECT_TRUE(editor->close());
  EXPECT_EQ(endRequests, 1);
  EXPECT_TRUE(AlphaHoldsTheEdit());
}
