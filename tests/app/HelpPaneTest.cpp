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

TEST_F(HelpPaneTest, RightButtonOverTheBarePageBringsItsFirstHelpPageBack) {
  StartPage* start = Pages().fStart;
  Choose(start, "AcquireSoundsfromtheInternet1");
  ClickBackground(start, Qt::LeftButton, StartBackground);
  ClickBackground(start, Qt::MiddleButton, StartBackground);
  QTest::mouseClick(Find<QPushButton>(start, "bbContinue"), Qt::RightButton);
  EXPECT_EQ(ShownPage(start), "DownloadFromInternet.htm") << "left, middle, or over a control";
  ClickBackground(start, Qt::RightButton, StartBackground);
  EXPECT_EQ(ShownPage(start), "Introduction.htm");

  QTest::mouseClick(Find<QPushButton>(start, "bbContinue"), Qt::LeftButton);
  ProfileEditor* editor = Pages().Form3;
  Choose(editor, "SongList1");
  ClickBackground(editor, Qt::LeftButton, EditorBackground);
  EXPECT_EQ(ShownPage(editor), "ProfileView.htm");
  ClickBackground(editor, Qt::RightButton, EditorBackground);
  EXPECT_EQ(ShownPage(editor), "AddFilesIntro.htm");
}

TEST_F(HelpPaneTest, EachPageShowsItsFirstHelpPageAgainAfterEachTransition) {
  Windows& pages = Pages();
  EXPECT_EQ(ShownPage(pages.fStart), "Introduction.htm");
  Choose(pages.fStart, "AcquireSoundsfromtheInternet1");
  QTest::mouseClick(Find<QPushButton>(pages.fStart, "bbContinue"), Qt::LeftButton);
  EXPECT_EQ(ShownPage(pages.Form3), "AddFilesIntro.htm");

  Choose(pages.Form3, "NextButton1");
  ShowInPlaceOf(pages.Form1, pages.Form3);
  EXPECT_EQ(ShownPage(pages.Form1), "ProgramPage1.htm");
  ClickLink(Find<QTextBrowser>(pages.Form1, "WebInfo"), QStringLiteral("ProgramListView.htm"));
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
  const QStringList startEntries{"N1:-", "About1:About"};
  EXPECT_EQ(HelpEntries(pages.fStart), SharedEntries + startEntries);
  const QStringList editorEntries{"N2:-",
                                  "AddingSongs1:Adding Sounds",
                                  "RemovingSongs1:Removing Sounds",
                                  "SaveProfile1:Profiles",
                                  "PreviousButton1:Previous Button",
                                  "NextButton1:Next Button",
                                  "ProgressBar2:Progress Bar",
                                  "SongList1:Sound List",
                                  "N1:-",
                                  "About1:About"};
  EXPECT_EQ(HelpEntries(pages.Form3), SharedEntries + editorEntries);
  EXPECT_EQ(pages.Form3->menuBar()->actions().last()->menu()->objectName(), "Help1");

  const std::pair<const char*, const char*> paneEntries[] = {
      {"AddingSongs1", "AddFilesPage1.htm"},
      {"RemovingSongs1", "AddFilesPage2.htm"},
      {"SaveProfile1", "AboutProfiles.htm"},
      {"PreviousButton1", "PreviousButton.htm"},
      {"NextButton1", "NextButton.htm"},
      {"ProgressBar2", "ProfileProgressBar.htm"},
      {"SongList1", "ProfileView.htm"},
      {"AcquireSoundsfromtheInternet1", "DownloadFromInternet.htm"},
  };
  for (const auto& [entry, page] : paneEntries) {
    Choose(pages.Form3, entry);
    EXPECT_EQ(ShownPage(pages.Form3), page) << entry;
  }
  EXPECT_EQ(ShownPage(pages.fStart), "Introduction.htm") << "the start page's pane stays";
  EXPECT_TRUE(openedUrls.empty());
}

TEST_F(HelpPaneTest, DocumentsOpenFromTheProgramFolderOrTellWhyNot) {
  const std::tuple<const char*, QString, std::string, std::string> documents[] = {
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
  for (const auto& [entry, path, startFailure, editorFailure] : documents) {
    for (Page* page : std::initializer_list<Page*>{Pages().fStart, Pages().Form3}) {
      const std::string& failure = page == Pages().fStart ? startFailure : editorFailure;
      openedUrls.clear();
      openSucceeds = true;
      Choose(page, entry);
      EXPECT_EQ(openedUrls, std::vector<QUrl>{QUrl::fromLocalFile(ProgramPath(path))}) << entry;

      openSucceeds = false;
      prompts.Answers = {PromptAnswer::Ok, PromptAnswer::Ok};
      Choose(page, entry);
      QFile::rename(ProgramPath(path), ProgramPath(path) + ".gone");
      Choose(page, entry);
      QFile::rename(ProgramPath(path) + ".gone", ProgramPath(path));
      EXPECT_EQ(openedUrls.size(), 2u) << "a missing document is not handed to the opener";
      ASSERT_EQ(prompts.Questions.size(), 2u) << entry;
      for (const Question& question : prompts.Questions) {
        EXPECT_EQ(question.Text, failure);
        EXPECT_EQ(question.Title, "") << "the application's title";
        EXPECT_EQ(question.Buttons, PromptButtons::Ok);
        EXPECT_EQ(question.Icon, PromptIcon::None);
      }
      prompts.Questions.clear();
    }
  }
  EXPECT_EQ(ShownPage(Pages().fStart), "Introduction.htm") << "documents leave the pane as it was";
}

TEST_F(HelpPaneTest, LinksToHelpPagesStayInThePaneAndOthersOpenOutside) {
  auto* pane = Find<QTextBrowser>(Pages().fStart, "WebInfo");
  ClickLink(pane, QStringLiteral("DownloadFromInternet.htm"));
  ClickLink(pane, QStringLiteral("https://freesound.org/"));
  EXPECT_EQ(ShownPage(Pages().fStart), "DownloadFromInternet.htm");
  EXPECT_EQ(openedUrls, std::vector<QUrl>{QUrl(QStringLiteral("https://freesound.org/"))});

  ClickLink(pane, QStringLiteral("EditSounds.htm"));
  ClickLink(pane, QStringLiteral("../Documentation/Vantora_Manual.pdf"));
  EXPECT_EQ(ShownPage(Pages().fStart), "EditSounds.htm");
  EXPECT_EQ(openedUrls.back(),
            QUrl::fromLocalFile(ProgramPath(QStringLiteral("Documentation/Vantora_Manual.pdf"))));
}

TEST_F(HelpPaneTest, AMissingHelpPageReplacesThePreviousOneWithoutAMessage) {
  QFile::remove(ProgramPath(QStringLiteral("Web/Introduction.htm")));
  Choose(Pages().fStart, "AcquireSoundsfromtheInternet1");
  ClickBackground(Pages().fStart, Qt::RightButton, StartBackground);
  auto* pane = Find<QTextBrowser>(Pages().fStart, "WebInfo");
  EXPECT_TRUE(pane->toPlainText().startsWith("The help page Introduction.htm cannot be found"));
  EXPECT_TRUE(prompts.Questions.empty());
}
