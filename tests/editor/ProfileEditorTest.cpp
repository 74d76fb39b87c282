#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
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
Control* Find(QWidget* page, const char* name) {
  Control* control = page->findChild<Control*>(QString::fromLatin1(name));
  EXPECT_NE(control, nullptr) << name;
  return control;
}

QStringList Rows(QTreeView* list, int column) {
  QStringList rows;
  for (int row = 0; row < list->model()->rowCount(); ++row) {
    rows << list->model()->index(row, column).data().toString();
  }
  return rows;
}

}  // namespace

// The whole program with a Profiles folder holding "Alpha" (three buttons)
// and "Beta", and the editor shown.
class ProfileEditorTest : public AppFixture {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(Profiles());
    WriteFile(Sound(), "0123456789");
    WriteFile(Profiles() + "Alpha.qvt",
              "[Profile]\r\nID=0\r\nNumButtons=3\r\n[Button0]\r\n"
              "NumSounds=1\r\nSound0=" +
                  Sound() + "\r\n");
    WriteFile(Profiles() + "Beta.qvt", "[Profile]\r\nID=1\r\nNumButtons=2\r\n");
    StartProgram();
    editor = Pages().Form3;
    ShowInPlaceOf(editor, Pages().fStart);
  }

  std::string Profiles() const { return ProgramFolder() + "Profiles/"; }
  std::string Sound() const { return ProgramFolder() + "door.mp3"; }
  ProfileStore& Store() { return editor->Profiles(); }
  void Edit() {
    Store().Profile().Buttons[1].Sounds.push_back({"door.mp3", "10", ProgramFolder(), false});
    Store().State().Changed = true;
  }
  QString Info() { return Find<QLabel>(editor, "Info")->text(); }

  ProfileEditor* editor = nullptr;
};

TEST_F(ProfileEditorTest, ThePageHasItsControlsAndTheProfilesMenuBeforeHelp) {
  auto* label1 = Find<QLabel>(editor, "Label1");
  EXPECT_EQ(label1->text(), "Select Profile :");
  EXPECT_EQ(label1->alignment() & Qt::AlignRight, Qt::AlignRight);
  EXPECT_EQ(label1->font().pixelSize(), 13);
  auto* comboBox1 = Find<QComboBox>(editor, "ComboBox1");
  EXPECT_FALSE(comboBox1->isEditable());
  EXPECT_EQ(comboBox1->geometry(), QRect(200, 8, 225, 24));
  auto* info = Find<QLabel>(editor, "Info");
  EXPECT_TRUE(info->font().bold());
  EXPECT_EQ(info->font().pixelSize(), 16);

  QStringList menus;
  for (QAction* menu : editor->menuBar()->actions()) menus << menu->text();
  EXPECT_EQ(menus, (QStringList{"Profiles", "Help"}));
  QStringList commands;
  for (QAction* command : Find<QMenu>(editor, "Profiles1")->actions()) {
    commands << command->objectName() + ":" + command->text();
  }
  EXPECT_EQ(commands, (QStringList{"New1:New", "Open1:Open", "Save1:Save", "SaveAs1:Save As...",
                                   "RetrieveBackup1:Retrieve Backup", "Delete1:Delete"}));

  auto* tabs = Find<QTabWidget>(editor, "PageControl1");
  EXPECT_TRUE(tabs->tabBar()->font().bold());
  for (int slot = 0; slot < 8; ++slot) {
    const QString number = QString::number(slot + 1);
    EXPECT_EQ(tabs->tabText(slot), "Btn" + number);
    EXPECT_EQ(tabs->widget(slot)->objectName(), "TabSheet" + number);
    auto* list = Find<QTreeView>(editor, ("ListView" + number).toLatin1().constData());
    EXPECT_EQ(list->parent(), tabs->widget(slot));
    EXPECT_EQ(list->header()->sectionSize(0), 350);
    EXPECT_EQ(list->header()->sectionSize(1), 63);
    EXPECT_EQ(list->model()->headerData(0, Qt::Horizontal), "Sound");
    EXPECT_EQ(list->model()->headerData(1, Qt::Horizontal), "Size");
    EXPECT_EQ(list->toolTip(), "Listing of the songs to be downloaded");
    EXPECT_EQ(list->font().pixelSize(), 13);
  }
}

TEST_F(ProfileEditorTest, ShowingTheEditorLoadsTheSelectedProfileAndTheSelectorSwitchesIt) {
  auto* comboBox1 = Find<QComboBox>(editor, "ComboBox1");
  EXPECT_EQ(comboBox1->count(), 2);
  EXPECT_EQ(comboBox1->currentText(), "Alpha");
  auto* tabs = Find<QTabWidget>(editor, "PageControl1");
  EXPECT_TRUE(tabs->isTabVisible(2));
  EXPECT_FALSE(tabs->isTabVisible(3));
  auto* listView1 = Find<QTreeView>(editor, "ListView1");
  EXPECT_EQ(Rows(listView1, 0), QStringList{"door.mp3"});
  EXPECT_EQ(Rows(listView1, 1), QStringList{"10"});

  // The check box of a row marks its sound.
  listView1->setCurrentIndex(listView1->model()->index(0, 0));
  QTest::keyClick(listView1, Qt::Key_Space);
  EXPECT_TRUE(Store().Profile().Buttons[0].Sounds[0].Checked);

  QTest::keyClick(comboBox1, Qt::Key_Down);
  EXPECT_EQ(Store().CurrentProfileName(), "Beta");
  EXPECT_TRUE(Rows(listView1, 0).isEmpty());
  EXPECT_TRUE(prompts.Questions.empty());
}

TEST_F(ProfileEditorTest, UnsavedEditsAreSavedIntoTheirProfileWhenTheSelectorMovesOn) {
  Edit();
  prompts.Answers = {PromptAnswer::Yes};
  QTest::keyClick(Find<QComboBox>(editor, "ComboBox1"), Qt::Key_Down);
  ASSERT_EQ(prompts.Questions.size(), 1u);
  EXPECT_EQ(prompts.Questions[0].Title, "Profile Changed");
  EXPECT_NE(FileText(Profiles() + "Alpha.qvt").find("[Button1]\r\nNumSounds=1\r\nSound0="),
            std::string::npos);
  EXPECT_EQ(FileText(Profiles() + "Beta.qvt"), "[Profile]\r\nID=1\r\nNumButtons=2\r\n");
  EXPECT_EQ(Store().CurrentProfileName(), "Beta");
}

TEST_F(ProfileEditorTest, PreviousOffersToSaveAndGoesBackToTheStartPage) {
  Edit();
  prompts.Answers = {PromptAnswer::No};
  QTest::mouseClick(Find<QPushButton>(editor, "bbPrevious"), Qt::LeftButton);
  EXPECT_EQ(prompts.Questions.size(), 1u);
  EXPECT_TRUE(Pages().fStart->isVisible());
  EXPECT_FALSE(editor->isVisible());

  // Coming back loads the profile again: the edits are gone.
  ShowInPlaceOf(editor, Pages().fStart);
  EXPECT_TRUE(Store().Profile().Buttons[1].Sounds.empty());
  EXPECT_FALSE(Store().State().Changed);
}

TEST_F(ProfileEditorTest, ClosingWithUnsavedEditsAsksFirst) {
  Edit();
  prompts.Answers = {PromptAnswer::Cancel};
  EXPECT_FALSE(editor->close());
  EXPECT_EQ(endRequests, 0);
  EXPECT_TRUE(editor->isVisible());

  prompts.Answers = {PromptAnswer::Yes};
  EXPECT_TRUE(editor->close());
  EXPECT_EQ(endRequests, 1);
  EXPECT_NE(FileText(Profiles() + "Alpha.qvt").find("[Button1]\r\nNumSounds=1"), std::string::npos);
  EXPECT_EQ(prompts.Questions[1].Title, "Warning");
}

TEST_F(ProfileEditorTest, CommandsReportTheirOutcomeInInfo) {
  auto* info = Find<QLabel>(editor, "Info");
  std::filesystem::create_directories(Profiles() + "Alpha.BAK/inside");
  Find<QAction>(editor, "Save1")->trigger();
  EXPECT_EQ(Info(), "ERROR saving profile Alpha.");
  EXPECT_EQ(StatusColour(info), FailureColour);

  std::filesystem::remove_all(Profiles() + "Alpha.BAK");
  Find<QAction>(editor, "Save1")->trigger();
  EXPECT_EQ(Info(), "Profile saved");
  EXPECT_EQ(StatusColour(info), OrdinaryColour);

  prompts.Answers = {PromptAnswer::Ok};
  Find<QAction>(editor, "Delete1")->trigger();
  EXPECT_EQ(Info(), "Profile Alpha deleted.");
  EXPECT_EQ(Find<QComboBox>(editor, "ComboBox1")->currentText(), "Beta");
  EXPECT_EQ(Find<QComboBox>(editor, "ComboBox1")->count(), 1);

  prompts.Texts = {"Gamma"};
  Find<QAction>(editor, "New1")->trigger();
  EXPECT_EQ(Info(), "Profile created");
  EXPECT_EQ(Find<QComboBox>(editor, "ComboBox1")->currentText(), "Gamma");
}
