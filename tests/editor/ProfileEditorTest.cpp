#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>

#include "EditorFixture.h"
#include "widgets/StatusText.h"

// Each entry of the menu and of its submenus has a mnemonic of its own.
static void ExpectOwnMnemonics(const QWidget* menu) {
  QList<QKeySequence> keys;
  for (const QAction* entry : menu->actions()) {
    if (entry->isSeparator()) continue;
    const QKeySequence key = QKeySequence::mnemonic(entry->text());
    EXPECT_TRUE(!key.isEmpty() && !keys.contains(key)) << entry->text().toStdString();
    keys << key;
    if (entry->menu()) ExpectOwnMnemonics(entry->menu());
  }
}

// The editor on "Alpha" (door.mp3 on Btn1), with "Beta" (two buttons) beside it.
class ProfileEditorTest : public EditorFixture {
 protected:
  void SetUp() override {
    WriteFile(Profiles() + "Beta.qvt", "[Profile]\r\nID=1\r\nNumButtons=2\r\n");
    ShowEditor("[Button0]\r\nNumSounds=1\r\nSound0=" + Sound("door.mp3").toStdString() + "\r\n");
  }
  void Edit() {
    editor->Document().Edit("Add Sound", [this](SongProfile& lists) {
      lists.Buttons[1].Sounds.push_back({"door.mp3", "10", sounds.Path()});
    });
  }
  bool AlphaHoldsTheEdit() {
    return FileText(Profiles() + "Alpha.qvt").find("[Button1]\r\nNumSounds=1\r\nSound0=") !=
           std::string::npos;
  }
};

TEST_F(ProfileEditorTest,
       ThePageShowsTheChosenProfileSavesEditsIntoTheirOwnAndReportsCommandsInInfo) {
  EXPECT_EQ(Entries(editor->MenuBar()),
            (QStringList{":&Profiles", ":&Edit", "AddSongs1:&Add Sounds", ":&Remove Sounds",
                         ":&Buttons", ":&Help"}));
  EXPECT_EQ(Entries(Find<QMenu>(editor, "Edit1")),
            (QStringList{"Undo1:&Undo", "Redo1:&Redo", ":-", "EditSound1:Edit &Sound…"}));
  EXPECT_EQ(Entries(Find<QMenu>(editor, "Profiles1")),
            (QStringList{"New1:&New", "Open1:&Open", "Save1:&Save", "SaveAs1:Save &As...",
                         "RetrieveBackup1:Retrieve &Backup", "Delete1:&Delete"}));
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
  EXPECT_TRUE(editor->Document().Lists().Buttons[0].Sounds[0].Checked) << "the row's check box";

  Edit();
  prompts.Answers = {PromptAnswer::Yes};
  QTest::keyClick(comboBox1, Qt::Key_Down);
  EXPECT_EQ(prompts.Questions.at(0), SaveChangesQuestion("Alpha"));
  EXPECT_TRUE(AlphaHoldsTheEdit());
  EXPECT_EQ(FileText(Profiles() + "Beta.qvt"), "[Profile]\r\nID=1\r\nNumButtons=2\r\n");
  EXPECT_EQ(editor->Profiles().Selection().CurrentProfileName(), "Beta");
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
  EXPECT_TRUE(Start()->isVisible());
  GoToEditor();
  EXPECT_TRUE(editor->Document().Lists().Buttons[1].Sounds.empty());

  Edit();
  prompts.Answers = {PromptAnswer::Cancel, PromptAnswer::Yes};
  Window().close();
  EXPECT_EQ(endRequests, 0) << "Cancel keeps the window";
  EXPECT_TRUE(Window().isVisible());
  Window().close();
  EXPECT_EQ(endRequests, 1);
  EXPECT_TRUE(AlphaHoldsTheEdit());
}

// The program's own message boxes in place of the script.
class ProfileEditorQuestionsTest : public ProfileEditorTest {
 protected:
  void SetUp() override {
    machinePrompts.emplace();
    ProfileEditorTest::SetUp();
  }
  QMessageBox* OpenBox() {
    for (auto* box : Window().findChildren<QMessageBox*>()) {
      if (box->isVisible()) return box;
    }
    return nullptr;
  }
};

TEST_F(ProfileEditorQuestionsTest, ClosingWithEditsAsksInABoxOverTheWindowWhichWaitsForTheAnswer) {
  Edit();
  Window().close();
  QMessageBox* box = OpenBox();
  ASSERT_NE(box, nullptr) << "open at once, without a loop of its own";
  EXPECT_EQ(box->text(), "Save changes to profile Alpha?");
  EXPECT_EQ(box->parentWidget(), &Window()) << "the main window, not the page";
  EXPECT_EQ(box->windowModality(), Qt::WindowModal);
  EXPECT_TRUE(Window().geometry().contains(box->geometry().center())) << "over the window";
  EXPECT_TRUE(Window().isVisible());
  box->button(QMessageBox::Cancel)->click();
  QCoreApplication::processEvents();
  EXPECT_TRUE(Window().isVisible()) << "Cancel keeps the window";
  EXPECT_EQ(endRequests, 0);

  Window().close();
  box = OpenBox();
  ASSERT_NE(box, nullptr);
  box->button(QMessageBox::Yes)->click();
  EXPECT_EQ(endRequests, 1) << "the window closes once answered";
  EXPECT_TRUE(AlphaHoldsTheEdit());
}

TEST_F(ProfileEditorTest, EveryMenuIsReachableByMnemonicsAndTheCommonCommandsByShortcuts) {
  for (const QWidget* menu : {static_cast<QWidget*>(editor->MenuBar()),
                              static_cast<QWidget*>(Find<QMenu>(editor, "PopupMenu1")),
                              static_cast<QWidget*>(Start()->MenuBar())}) {
    ExpectOwnMnemonics(menu);
  }
  editor->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(editor));

  // Alt+P, N, then Escape in the name box: nothing changes.
  const std::string alpha = FileText(Profiles() + "Alpha.qvt");
  QTest::keyClick(editor, Qt::Key_P, Qt::AltModifier);
  auto* profiles = Find<QMenu>(editor, "Profiles1");
  ASSERT_TRUE(profiles->isVisible());
  prompts.Texts = {std::nullopt};
  QTest::keyClick(profiles, Qt::Key_N);
  EXPECT_EQ(prompts.TextCaptions, std::vector<std::string>{"Create profile name..."});
  EXPECT_EQ(FileText(Profiles() + "Alpha.qvt"), alpha);
  EXPECT_EQ(Names(1), QStringList{"door.mp3"});
  EXPECT_EQ(editor->Profiles().Selection().CurrentProfileName(), "Alpha");

  prompts.Texts = {std::nullopt, std::nullopt};  // New, Save As
  prompts.ChosenFiles = {{}};                    // Open
  const std::pair<const char*, const char*> shortcuts[] = {{"Ctrl+N", "New1"},
                                                           {"Ctrl+O", "Open1"},
                                                           {"Ctrl+S", "Save1"},
                                                           {"Ctrl+Shift+S", "SaveAs1"},
                                                           {"F1", "ManualKey"}};
  for (const auto& [keys, entry] : shortcuts) {
    QSignalSpy chosen(Find<QAction>(editor, entry), &QAction::triggered);
    QTest::keySequence(editor, QKeySequence(keys));
    EXPECT_EQ(chosen.count(), 1) << entry;
  }
  EXPECT_TRUE(prompts.AllAnswersUsed());

  // Delete removes the checked sounds only from a list that has the focus.
  TickRow(1, 0);
  Find(editor, "ComboBox1")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
  EXPECT_EQ(Names(1), QStringList{"door.mp3"});
  List(1)->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
  EXPECT_TRUE(Names(1).isEmpty());
}

TEST_F(ProfileEditorTest, TheSelectorListsTheFolderWhenOpenedAndAProfileShowsOnlyItsButtons) {
  WriteFile(Profiles() + "Copied.qvt", "[Profile]\r\nID=9\r\nNumButtons=8\r\n");
  auto* comboBox1 = Find<QComboBox>(editor, "ComboBox1");
  EXPECT_EQ(comboBox1->count(), 2);
  comboBox1->showPopup();
  comboBox1->hidePopup();
  EXPECT_EQ(comboBox1->count(), 3) << "the file copied in is listed";
  EXPECT_EQ(comboBox1->currentText(), "Alpha");

  comboBox1->setCurrentText("Copied");
  EXPECT_EQ(VisibleTabs(), "11111111");
  comboBox1->setCurrentText("Beta");
  EXPECT_EQ(VisibleTabs(), "11000000") << "no tab of the profile shown before";
  Choose(editor, "Save1");
  EXPECT_EQ(FileText(Profiles() + "Beta.qvt"),
            "[Profile]\r\nID=1\r\nNumButtons=2\r\n[Button0]\r\nNumSounds=0\r\n"
            "[Button1]\r\nNumSounds=0\r\n");
}
