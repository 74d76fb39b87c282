#include <QMenuBar>
#include <QPushButton>
#include <QTextBlock>

#include "HelpFixture.h"
#include "app/StartPage.h"
#include "editor/ProfileEditor.h"
#include "programming/ProgrammingPage.h"

namespace {

// Where each page's client area has no control.
constexpr QPoint StartBackground{60, 520};
constexpr QPoint EditorBackground{200, 520};

// Each Help menu entry as "objectName:caption", a separator as "objectName:-".
QStringList HelpEntries(QWidget* page) {
  QStringList entries;
  for (const QAction* entry : page->findChild<QMenu*>(QStringLiteral("Help1"))->actions()) {
    entries << entry->objectName() + QLatin1Char(':') +
                   (entry->isSeparator() ? QStringLiteral("-") : entry->text());
  }
  return entries;
}

const QStringList SharedEntries{
    "Manual1:Manual",
    "DriverInstallation1:Driver Installation",
    "AcquireSoundsfromtheInternet1:Acquire Sounds from the Internet",
    "RecordSounds1:Record Sounds",
    "RipEditConvertSongs1:Rip, Edit, Convert Sounds",
};

// Clicks the link to `href` in the pane, as a user would.
void ClickLink(QTextBrowser* pane, const QString& href) {
  for (QTextBlock block = pane->document()->begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      if (fragment.fragment().charFormat().anchorHref() != href) continue;
      QTextCursor cursor(pane->document());
      cursor.setPosition(fragment.fragment().position() + 1);
      pane->setTextCursor(cursor);
      pane->ensureCursorVisible();
      QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, pane->cursorRect(cursor).center());
      return;
    }
  }
  ADD_FAILURE() << "no link to " << href.toStdString();
}

}  // namespace

using HelpPaneTest = HelpFixture;

TEST_F(HelpPaneTest, RightButtonOverTheBareStartPageBringsTheIntroductionBack) {
  StartPage* start = Pages().fStart;
  EXPECT_EQ(ShownPage(start), "Introduction.htm");
  Choose(start, "AcquireSoundsfromtheInternet1");
  EXPECT_EQ(ShownPage(start), "DownloadFromInternet.htm");

  ClickBackground(start, Qt::LeftButton, StartBackground);
  ClickBackground(start, Qt::MiddleButton, StartBackground);
  EXPECT_EQ(ShownPage(start), "DownloadFromInternet.htm") << "only the right button counts";
  QTest::mouseClick(Find<QPushButton>(start, "bbContinue"), Qt::RightButton);
  EXPECT_EQ(ShownPage(start), "DownloadFromInternet.htm") << "a release over a control is its own";
  ClickBackground(start, Qt::RightButton, StartBackground);
  EXPECT_EQ(ShownPage(start), "Introduction.htm");
}

TEST_F(HelpPaneTest, RightButtonOverTheBareEditorBringsItsIntroductionBack) {
  QTest::mouseClick(Find<QPushButton>(Pages().fStart, "bbContinue"), Qt::LeftButton);
  ProfileEditor* editor = Pages().Form3;
  EXPECT_EQ(ShownPage(editor), "AddFilesIntro.htm");
  Choose(editor, "SongList1");
  ClickBackground(editor, Qt::LeftButton, EditorBackground);
  EXPECT_EQ(ShownPage(editor), "ProfileView.htm");
  ClickBackground(editor, Qt::RightButton, EditorBackground);
  EXPECT_EQ(ShownPage(editor), "AddFilesIntro.htm");
}

TEST_F(HelpPaneTest, EachPageShowsItsFirstHelpPageAgainAfterEachTransition) {
  Windows& pages = Pages();
  Choose(pages.fStart, "AcquireSoundsfromtheInternet1");
  QTest::mouseClick(Find<QPushButton>(pages.fStart, "bbContinue"), Qt::LeftButton);
  EXPECT_EQ(ShownPage(pages.Form3), "AddFilesIntro.htm");

  Choose(pages.Form3, "NextButton1");
  ShowInPlaceOf(pages.Form1, pages.Form3);
  EXPECT_EQ(ShownPage(pages.Form1), "ProgramPage1.htm");
  ClickLink(Find<QTextBrowser>(pages.Form1, "WebInfo"), QStringLiteral("ProgramListView.htm"));
  EXPECT_EQ(ShownPage(pages.Form1), "ProgramListView.htm");

  QTest::mouseClick(Find<QPushButton>(pages.Form1, "bbPrevious"), Qt::LeftButton);
  EXPECT_EQ(ShownPage(pages.Form3), "AddFilesIntro.htm");
  Choose(pages.Form3, "AddingSongs1");
  QTest::mouseClick(Find<QPushButton>(pages.Form3, "bbPrevious"), Qt::LeftButton);
  EXPECT_EQ(ShownPage(pages.fStart), "Introduction.htm");
  ShowInPlaceOf(pages.Form1, pages.fStart);
  EXPECT_EQ(ShownPage(pages.Form1), "ProgramPage1.htm");
}

TEST_F(HelpPaneTest, HelpMenusHoldTheirEntriesInOrderAndPaneEntriesChangeTheirOwnPane) {
  Windows& pages = Pages();
  const QStringList startEntries = SharedEntries + QStringList{"N1:-", "About1:About"};
  EXPECT_EQ(HelpEntries(pages.fStart), startEntries);
  const QStringList editorEntries = SharedEntries + QStringList{"N2:-",
                                                                "AddingSongs1:Adding Sounds",
                                                                "RemovingSongs1:Removing Sounds",
                                                                "SaveProfile1:Profiles",
                                                                "PreviousButton1:Previous Button",
                                                                "NextButton1:Next Button",
                                                                "ProgressBar2:Progress Bar",
                                                                "SongList1:Sound List",
                                                                "N1:-",
                                                                "About1:About"};
  EXPECT_EQ(HelpEntries(pages.Form3), editorEntries);
  EXPECT_EQ(pages.Form3->menuBar()->actions().last()->menu()->objectName(), "Help1")
      << "Help is the editor's last menu";

  const std::pair<const char*, const char*> editorPaneEntries[] = {
      {"AddingSongs1", "AddFilesPage1.htm"},
      {"RemovingSongs1", "AddFilesPage2.htm"},
      {"SaveProfile1", "AboutProfiles.htm"},
      {"PreviousButton1", "PreviousButton.htm"},
      {"NextButton1", "NextButton.htm"},
      {"ProgressBar2", "ProfileProgressBar.htm"},
      {"SongList1", "ProfileView.htm"},
      {"AcquireSoundsfromtheInternet1", "DownloadFromInternet.htm"},
  };
  for (const auto& [entry, page] : editorPaneEntries) {
    Choose(pages.Form3, entry);
    EXPECT_EQ(ShownPage(pages.Form3), page) << entry;
  }
  EXPECT_EQ(ShownPage(pages.fStart), "Introduction.htm") << "the start page's pane stays";
  EXPECT_TRUE(openedUrls.empty());
}

TEST_F(HelpPaneTest, DocumentsOpenFromTheProgramFolderOrTellWhyNot) {
  struct Document {
    const char* Entry;
    QString Path;
    std::string StartFailure;
    std::string EditorFailure;
  };
  const Document documents[] = {
      {"Manual1", "Documentation/Vantora_Manual.pdf", "Manual could not be found",
       "Manual could not be found"},
      {"DriverInstallation1", "Web/DriverInstallation.htm",
       "Driver installation instructions could not be found",
       "Driver installation instructions could not be found"},
      {"RipEditConvertSongs1", "Web/EditSounds.htm", "Song editing instructions could not be found",
       "Sound editing instructions could not be found"},
      {"RecordSounds1", "Web/RecordSounds.htm", "Sound recording instructions could not be found",
       "Sound recording instructions could not be found"},
  };
  Windows& pages = Pages();
  for (const Document& document : documents) {
    for (Page* page : std::initializer_list<Page*>{pages.fStart, pages.Form3}) {
      const std::string& failure =
          page == pages.fStart ? document.StartFailure : document.EditorFailure;
      openedUrls.clear();
      openSucceeds = true;
      Choose(page, document.Entry);
      EXPECT_EQ(openedUrls, std::vector<QUrl>{QUrl::fromLocalFile(ProgramPath(document.Path))});
      EXPECT_TRUE(prompts.Questions.empty()) << document.Entry;

      openSucceeds = false;
      prompts.Answers.push_back(PromptAnswer::Ok);
      Choose(page, document.Entry);
      ASSERT_EQ(prompts.Questions.size(), 1u) << document.Entry << " when the opener fails";
      EXPECT_EQ(prompts.Questions[0].Text, failure);
      prompts.Questions.clear();

      openedUrls.clear();
      QFile::rename(ProgramPath(document.Path), ProgramPath(document.Path) + ".gone");
      prompts.Answers.push_back(PromptAnswer::Ok);
      Choose(page, document.Entry);
      EXPECT_TRUE(openedUrls.empty()) << "a missing document is not handed to the opener";
      ASSERT_EQ(prompts.Questions.size(), 1u) << document.Entry << " when it is missing";
      const Question& question = prompts.Questions[0];
      EXPECT_EQ(question.Text, failure);
      EXPECT_EQ(question.Title, "") << "the application's title";
      EXPECT_EQ(question.Buttons, PromptButtons::Ok);
      EXPECT_EQ(question.Icon, PromptIcon::None);
      prompts.Questions.clear();
      QFile::rename(ProgramPath(document.Path) + ".gone", ProgramPath(document.Path));
    }
  }
  EXPECT_EQ(ShownPage(pages.fStart), "Introduction.htm") << "documents leave the pane as it was";
}

TEST_F(HelpPaneTest, LinksToHelpPagesStayInThePaneAndOthersOpenOutside) {
  auto* pane = Find<QTextBrowser>(Pages().fStart, "WebInfo");
  ClickLink(pane, QStringLiteral("DownloadFromInternet.htm"));
  EXPECT_EQ(ShownPage(Pages().fStart), "DownloadFromInternet.htm");
  EXPECT_TRUE(openedUrls.empty());

  ClickLink(pane, QStringLiteral("https://freesound.org/"));
  EXPECT_EQ(openedUrls, std::vector<QUrl>{QUrl(QStringLiteral("https://freesound.org/"))});
  EXPECT_EQ(ShownPage(Pages().fStart), "DownloadFromInternet.htm") << "the pane stays";

  ClickLink(pane, QStringLiteral("RecordSounds.htm"));
  ClickLink(pane, QStringLiteral("EditSounds.htm"));
  ClickLink(pane, QStringLiteral("../Documentation/Vantora_Manual.pdf"));
  EXPECT_EQ(ShownPage(Pages().fStart), "EditSounds.htm");
  EXPECT_EQ(openedUrls.back(),
            QUrl::fromLocalFile(ProgramPath(QStringLiteral("Documentation/Vantora_Manual.pdf"))));
}

TEST_F(HelpPaneTest, AMissingHelpPageReplacesThePreviousOneWithoutAMessage) {
  QFile::remove(ProgramPath(QStringLiteral("Web/AddFilesIntro.htm")));
  QTest::mouseClick(Find<QPushButton>(Pages().fStart, "bbContinue"), Qt::LeftButton);
  auto* pane = Find<QTextBrowser>(Pages().Form3, "WebInfo");
  EXPECT_TRUE(pane->source().isEmpty());
  EXPECT_TRUE(pane->toPlainText().contains("AddFilesIntro.htm cannot be found"));
  Choose(Pages().Form3, "SongList1");
  ClickBackground(Pages().Form3, Qt::RightButton, EditorBackground);
  EXPECT_FALSE(pane->toPlainText().contains("Sound List")) << "the previous page is gone";
  EXPECT_TRUE(prompts.Questions.empty());
}
