// Alt letters stay unique within each menu, menu bar and dialog, in English
// and in every language whose translation is built into the program: a
// translator who gives two entries the same letter fails here.
#include <QAbstractButton>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabBar>
#include <QTranslator>
#include <map>

#include "EditorFixture.h"
#include "editor/FitProgressDialog.h"
#include "editor/SoundEditDialog.h"

namespace {

// "Alt+X: &Xylophone, E&xtra" for each letter that more than one caption
// takes; captions without an Alt letter take none.
QStringList SharedAltLetters(const QStringList& captions) {
  std::map<QString, QStringList> byLetter;
  for (const QString& caption : captions) {
    const QKeySequence letter = QKeySequence::mnemonic(caption);
    if (!letter.isEmpty()) byLetter[letter.toString()] << caption;
  }
  QStringList shared;
  for (const auto& [letter, holders] : byLetter) {
    if (holders.size() > 1) shared << letter + ": " + holders.join(", ");
  }
  return shared;
}

QStringList EntryCaptions(const QWidget* menuOrBar) {
  QStringList captions;
  for (const QAction* entry : menuOrBar->actions()) {
    if (!entry->isSeparator()) captions << entry->text();
  }
  return captions;
}

// What a dialog's Alt letters reach: its buttons, the labels that lead to a
// control, group titles and tabs.
QStringList DialogCaptions(const QWidget* dialog) {
  QStringList captions;
  for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
    if (button->isVisibleTo(dialog)) captions << button->text();
  }
  for (const QLabel* label : dialog->findChildren<QLabel*>()) {
    if (label->buddy() && label->isVisibleTo(dialog)) captions << label->text();
  }
  for (const QGroupBox* group : dialog->findChildren<QGroupBox*>()) captions << group->title();
  for (const QTabBar* tabs : dialog->findChildren<QTabBar*>()) {
    for (int tab = 0; tab < tabs->count(); ++tab) captions << tabs->tabText(tab);
  }
  return captions;
}

template <typename Dialog>
Dialog* ShownDialog(QWidget* window) {
  for (Dialog* dialog : window->findChildren<Dialog*>()) {
    if (dialog->isVisible()) return dialog;
  }
  return nullptr;
}

}  // namespace

// The parameter is the language: "en" is the program's own texts; any other
// runs with its translation (and Qt's own) once the program has it built in.
class MnemonicsTest : public EditorFixture, public ::testing::WithParamInterface<QString> {
 protected:
  void SetUp() override {
    if (GetParam() == QLatin1String("en")) return;
    const QString translation = QStringLiteral(":/i18n/vantora_%1.qm").arg(GetParam());
    if (!QFile::exists(translation)) {
      GTEST_SKIP() << "no " << translation.toStdString() << " is built into the program yet";
    }
    ASSERT_TRUE(ours_.load(translation));
    QCoreApplication::installTranslator(&ours_);
    if (qts_.load(QStringLiteral("qtbase_") + GetParam(),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QCoreApplication::installTranslator(&qts_);
    }
  }
  void TearDown() override {
    QCoreApplication::removeTranslator(&qts_);
    QCoreApplication::removeTranslator(&ours_);
  }
  void ExpectUniqueAltLetters(const QString& where, const QStringList& captions) {
    EXPECT_EQ(SharedAltLetters(captions), QStringList())
        << GetParam().toStdString() << ", " << where.toStdString();
  }
  void ExpectUniqueInDialog(const QWidget* dialog) {
    ASSERT_NE(dialog, nullptr);
    ExpectUniqueAltLetters(dialog->objectName() + " \"" + dialog->windowTitle() + "\"",
                           DialogCaptions(dialog));
  }

 private:
  QTranslator ours_;
  QTranslator qts_;
};

TEST_P(MnemonicsTest, EveryMenuAndMenuBarOfEveryPage) {
  ShowEditor();
  for (QWidget* page : {static_cast<QWidget*>(Start()), static_cast<QWidget*>(Editor()),
                        static_cast<QWidget*>(Programming())}) {
    for (const QMenuBar* bar : page->findChildren<QMenuBar*>()) {
      ExpectUniqueAltLetters(page->objectName() + " menu bar", EntryCaptions(bar));
    }
    for (const QMenu* menu : page->findChildren<QMenu*>()) {
      ExpectUniqueAltLetters(page->objectName() + " menu " + menu->objectName(),
                             EntryCaptions(menu));
    }
  }
}

TEST_P(MnemonicsTest, AboutBoxAndSupportReport) {
  StartProgram();
  Choose(Start(), "About1");
  ExpectUniqueInDialog(About());
  About()->reject();
  Choose(Start(), "SaveSupportReport1");
  auto* report = ShownDialog<QDialog>(&Window());
  ExpectUniqueInDialog(report);
  if (report) report->reject();
}

TEST_P(MnemonicsTest, EditSoundStoppedAndPlaying) {
  ShowEditor();
  Tick();
  editor->AddSoundFile(Sound("ding.wav", 16000));
  editor->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
  List(1)->setCurrentIndex(List(1)->model()->index(0, 0));
  QTest::keySequence(editor, QKeySequence(Qt::CTRL | Qt::Key_E));
  auto* dialog = ShownDialog<SoundEditDialog>(editor);
  ASSERT_NE(dialog, nullptr);
  auto* save = Find<QPushButton>(dialog, "SaveEdit");
  ASSERT_TRUE(QTest::qWaitFor([save] { return save->isEnabled(); }, 10000));
  ExpectUniqueInDialog(dialog);
  Click(dialog, "PlaySelection");
  ASSERT_TRUE(QTest::qWaitFor([this] { return audio.IsPlaying(); }, 10000));
  ExpectUniqueInDialog(dialog);
  dialog->reject();
}

TEST_P(MnemonicsTest, MakeItFitProgress) {
  StartProgram();
  FitProgressDialog progress(&Window(), [] {});
  progress.ShowWork(QStringLiteral("-"), 1);
  ExpectUniqueInDialog(&progress);
}

// Qt's own dialogs, with the program's texts and Qt's buttons.
TEST_P(MnemonicsTest, NamePromptAndUnsavedChangesQuestion) {
  machinePrompts.emplace();
  ShowEditor();
  Choose(editor, "New1");
  auto* namePrompt = ShownDialog<QInputDialog>(&Window());
  ExpectUniqueInDialog(namePrompt);
  if (namePrompt) namePrompt->reject();

  Tick();
  editor->AddSoundFile(Sound("ding.wav"));
  Click(editor, "bbNext");
  auto* unsaved = ShownDialog<QMessageBox>(&Window());
  ExpectUniqueInDialog(unsaved);
  if (unsaved) unsaved->reject();
}

INSTANTIATE_TEST_SUITE_P(Languages, MnemonicsTest,
                         ::testing::Values(QStringLiteral("en"), QStringLiteral("de"),
                                           QStringLiteral("fr")),
                         [](const ::testing::TestParamInfo<QString>& language) {
                           return language.param.toStdString();
                         });
