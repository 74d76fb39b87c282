#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <filesystem>

#include "app/AppFixture.h"
#include "app/StartPage.h"
#include "app/StatusText.h"
#include "editor/ProfileEditor.h"
#include "support/TemporaryFolder.h"

namespace {

template <typename Control>
Control* Find(QWidget* page, const QString& name) {
  Control* control = page->findChild<Control*>(name);
  EXPECT_NE(control, nullptr) << name.toStdString();
  return control;
}

QStringList Column(QTreeView* list, int column) {
  QStringList rows;
  for (int row = 0; row < list->model()->rowCount(); ++row) {
    rows << list->model()->index(row, column).data().toString();
  }
  return rows;
}

}  // namespace

// The program with the profiles "Alpha" (three buttons) and "Beta", the
// editor shown.
class ProfileEditorTest : public AppFixture {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(Profiles());
    WriteFile(ProgramFolder() + "door.mp3", "0123456789");
    WriteFile(Profiles() + "Alpha.qvt",
              "[Profile]\r\nID=0\r\nNumButtons=3\r\n[Button0]\r\n"
              "NumSounds=1\r\nSound0=" +
                  ProgramFolder() + "door.mp3\r\n");
    WriteFile(Profiles() + "Beta.qvt", "[Profile]\r\nID=1\r\nNumButtons=2\r\n");
    StartProgram();
    editor = Pages().Form3;
    ShowInPlaceOf(editor, Pages().fStart);
  }

  std::string Profiles() const { return ProgramFolder() + "Profiles/"; }
  ProfileStore& Store() { return editor->Profiles(); }
  void Edit() {
    Store().Profile().Buttons[1].Sounds.push_back({"door.mp3", "10", ProgramFolder(), false});
    Store().State().Changed = true;
  }
  bool AlphaHoldsTheEdit() {
    return FileText(Profiles() + "Alpha.qvt").find("[Button1]\r\nNumSounds=1\r\nSound0=") !=
           std::string::npos;
  }

  ProfileEditor* editor = nullptr;
};

TEST_F(ProfileEditorTest, ThePageHasItsControlsAndTheProfilesMenuBeforeHelp) {
  EXPECT_EQ(Find<QLabel>(editor, "Label1")->text(), "Select Profile :");
  EXPECT_FALSE(Find<QComboBox>(editor, "ComboBox1")->isEditable());
  QStringList menus;
  for (QAction* menu : editor->menuBar()->actions()) menus << menu->text();
  EXPECT_EQ(menus, (QStringList{"Profiles", "Add Sounds", "Remove Sounds", "Buttons", "Help"}));
  QStringList commands;
  for (QAction* command : Find<QMenu>(editor, "Profiles1")->actions()) {
    commands << command->objectName() + ":" + command->text();
  }
  EXPECT_EQ(commands, (QStringList{"New1:New", "Open1:Open", "Save1:Save", "SaveAs1:Save As...",
                                   "RetrieveBackup1:Retrieve Backup", "Delete1:Delete"}));
  auto* tabs = Find<QTabWidget>(editor, "PageControl1");
  for (int slot = 0; slot < 8; ++slot) {
    const QString number = QString::number(slot + 1);
    EXPECT_EQ(tabs->tabText(slot), "Btn" + number);
    Find<QTreeView>(Find<QWidget>(tabs, "TabSheet" + number), "ListView" + number);
  }
  auto* listView1 = Find<QTreeView>(editor, "ListView1");
  EXPECT_EQ(listView1->header()->sectionSize(0), 350);
  EXPECT_EQ(listView1->header()->sectionSize(1), 63);
}

TEST_F(ProfileEditorTest, TheSelectorShowsTheChosenProfileAndSavesEditsIntoTheirOwn) {
  auto* comboBox1 = Find<QComboBox>(editor, "ComboBox1");
  EXPECT_EQ(comboBox1->currentText(), "Alpha");
  auto* tabs = Find<QTabWidget>(editor, "PageControl1");
  EXPECT_TRUE(tabs->isTabVisible(2));
  EXPECT_FALSE(tabs->isTabVisible(3));
  auto* listView1 = Find<QTreeView>(editor, "ListView1");
  EXPECT_EQ(Column(listView1, 0), QStringList{"door.mp3"});
  EXPECT_EQ(Column(listView1, 1), QStringList{"10"});

  // The check box of a row marks its sound.
  listView1->setCurrentIndex(listView1->model()->index(0, 0));
  QTest::keyClick(listView1, Qt::Key_Space);
  EXPECT_TRUE(Store().Profile().Buttons[0].Sounds[0].Checked);

  Edit();
  prompts.Answers = {PromptAnswer::Yes};
  QTest::keyClick(comboBox1, Qt::Key_Down);
  EXPECT_EQ(prompts.Questions.at(0).Title, "Profile Changed");
  EXPECT_TRUE(AlphaHoldsTheEdit());
  EXPECT_EQ(FileText(Profiles() + "Beta.qvt"), "[Profile]\r\nID=1\r\nNumButtons=2\r\n");
  EXPECT_EQ(Store().CurrentProfileName(), "Beta");
  EXPECT_TRUE(Column(listView1, 0).isEmpty());
}

TEST_F(ProfileEditorTest, PreviousOffersToSaveAndComingBackReloads) {
  Edit();
  prompts.Answers = {PromptAnswer::No};
  QTest::mouseClick(Find<QPushButton>(editor, "bbPrevious"), Qt::LeftButton);
  EXPECT_TRUE(prompts.AllAnswersUsed());
  EXPECT_TRUE(Pages().fStart->isVisible());
  ShowInPlaceOf(editor, Pages().fStart);
  EXPECT_TRUE(Store().Profile().Buttons[1].Sounds.empty());
}

TEST_F(ProfileEditorTest, ClosingWithUnsavedEditsAsksFirst) {
  Edit();
  prompts.Answers = {PromptAnswer::Cancel, PromptAnswer::Yes};
  EXPECT_FALSE(editor->close());
  EXPECT_EQ(endRequests, 0);
  EXPECT_TRUE(editor->close());
  EXPECT_EQ(endRequests, 1);
  EXPECT_TRUE(AlphaHoldsTheEdit());
}

TEST_F(ProfileEditorTest, CommandsReportTheirOutcomeInInfo) {
  auto* info = Find<QLabel>(editor, "Info");
  std::filesystem::create_directories(Profiles() + "Alpha.BAK/inside");
  Find<QAction>(editor, "Save1")->trigger();
  EXPECT_EQ(info->text(), "ERROR saving profile Alpha.");
  EXPECT_EQ(StatusColour(info), FailureColour);

  std::filesystem::remove_all(Profiles() + "Alpha.BAK");
  Find<QAction>(editor, "Save1")->trigger();
  EXPECT_EQ(info->text(), "Profile saved");
  EXPECT_EQ(StatusColour(info), OrdinaryColour);

  prompts.Answers = {PromptAnswer::Ok};
  Find<QAction>(editor, "Delete1")->trigger();
  EXPECT_EQ(info->text(), "Profile Alpha deleted.");
  auto* comboBox1 = Find<QComboBox>(editor, "ComboBox1");
  EXPECT_EQ(comboBox1->count(), 1);
  EXPECT_EQ(comboBox1->currentText(), "Beta");

  prompts.Texts = {"Gamma"};
  Find<QAction>(editor, "New1")->trigger();
  EXPECT_EQ(info->text(), "Profile created");
  EXPECT_EQ(comboBox1->currentText(), "Gamma");
}
