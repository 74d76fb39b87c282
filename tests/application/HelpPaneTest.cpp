#include <QMenu>
#include <QToolButton>
#include <algorithm>
#include <filesystem>

#include "AppFixture.h"

namespace {

// Each character of a link in the document: its target, and a cursor just after it.
std::vector<std::pair<QString, QTextCursor>> Links(QTextDocument* document) {
  std::vector<std::pair<QString, QTextCursor>> links;
  for (QTextCursor at(document); at.movePosition(QTextCursor::NextCharacter);) {
    const QString href = at.charFormat().anchorHref();
    if (!href.isEmpty()) links.emplace_back(href, at);
  }
  return links;
}

// Clicks the link to `href` in the pane, as a user would.
void ClickLink(QTextBrowser* pane, const QString& href) {
  for (const auto& [link, at] : Links(pane->document())) {
    if (link != href) continue;
    pane->setTextCursor(at);
    pane->ensureCursorVisible();
    return QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, pane->cursorRect().center());
  }
  ADD_FAILURE() << "no link to " << href.toStdString();
}

}  // namespace

TEST(HelpContent, EveryHelpPageIsThereAndEveryLinkLeadsSomewhere) {
  for (const char* page :
       {"Introduction.htm", "DownloadFromInternet.htm", "AddFilesIntro.htm", "AddFilesPage1.htm",
        "AddFilesPage2.htm", "AboutProfiles.htm", "PreviousButton.htm", "NextButton.htm",
        "ProfileProgressBar.htm", "ProfileView.htm", "ProgramPage1.htm", "ProgramProgressBar.htm",
        "ProgramListView.htm", "DriverInstallation.htm", "EditSounds.htm", "RecordSounds.htm",
        "MakeItFit.htm"}) {
    QTextBrowser view;
    view.setSource(QUrl::fromLocalFile(VANTORA_BUILT_PROGRAM_FOLDER "Web/" + QString(page)));
    EXPECT_FALSE(view.documentTitle().isEmpty()) << page;
    EXPECT_GT(view.toPlainText().size(), 400) << page;
    for (const auto& [link, at] : Links(view.document())) {
      const QUrl to = view.source().resolved(QUrl(link));
      EXPECT_TRUE(to.isLocalFile() ? QFileInfo(to.toLocalFile()).isFile()
                                   : to.scheme() == "https" && !to.host().isEmpty())
          << page << " links to " << link.toStdString();
    }
  }
}

// The program with the help pages and the manual of the build.
class HelpPaneTest : public AppFixture {
 protected:
  void SetUp() override {
    for (const std::string folder : {"Web", "Documentation"}) {
      std::filesystem::copy(VANTORA_BUILT_PROGRAM_FOLDER + folder, ProgramFolder() + folder);
    }
    StartProgram();
  }
};

TEST_F(HelpPaneTest, EntriesTheRightButtonAndLinksChangeTheirOwnPaneAndDocumentsOpenOrTellWhyNot) {
  QStringList entries{"Manual1:&Manual", "DriverInstallation1:&Driver Installation",
                      "AcquireSoundsfromtheInternet1:Acquire Sounds from the &Internet",
                      "RecordSounds1:&Record Sounds",
                      "RipEditConvertSongs1:Rip, &Edit, Convert Sounds",
                      "SaveSupportReport1:Save S&upport Report\u2026"};
  EXPECT_EQ(Entries(Find<QMenu>(Start(), "Help1")),
            entries + QStringList({"N1:-", "About1:&About"}));
  entries << "N2:-";
  const std::tuple<const char*, const char*, const char*> paneEntries[] = {
      {"AddingSongs1", "Adding &Sounds", "AddFilesPage1.htm"},
      {"RemovingSongs1", "Remo&ving Sounds", "AddFilesPage2.htm"},
      {"SaveProfile1", "&Profiles", "AboutProfiles.htm"},
      {"PreviousButton1", "Previous &Button", "PreviousButton.htm"},
      {"NextButton1", "&Next Button", "NextButton.htm"},
      {"ProgressBar2", "Pro&gress Bar", "ProfileProgressBar.htm"},
      {"SongList1", "Sound &List", "ProfileView.htm"},
      {"EditAndFitSounds1", "Edit Sounds and Make &Them Fit", "EditAndFitSounds.htm"}};
  for (const auto& [entry, caption, page] : paneEntries) {
    entries << QString(entry) + ":" + caption;
    Choose(Editor(), entry);
    EXPECT_EQ(ShownPage(Editor()), page) << entry;
  }
  EXPECT_EQ(Entries(Find<QMenu>(Editor(), "Help1")),
            entries + QStringList({"N1:-", "About1:&About"}));
  EXPECT_EQ(ShownPage(Start()), "Introduction.htm") << "the start page's pane stays";

  // A right-button release over the bare page brings its first help page back.
  const std::tuple<Page*, const char*, const char*> rightClicks[] = {
      {Start(), "bbContinue", "Introduction.htm"}, {Editor(), "bbNext", "AddFilesIntro.htm"}};
  for (const auto& [page, button, firstPage] : rightClicks) {
    Window().ShowPage(page);
    const QPoint background = FreeArea(page);
    Choose(page, "AcquireSoundsfromtheInternet1");
    QTest::mouseClick(page, Qt::LeftButton, {}, background);
    QTest::mouseClick(page, Qt::MiddleButton, {}, background);
    Click(page, button, Qt::RightButton);
    EXPECT_EQ(ShownPage(page), "DownloadFromInternet.htm") << "left, middle, or over a control";
    QTest::mouseClick(page, Qt::RightButton, {}, background);
    EXPECT_EQ(ShownPage(page), firstPage);
  }

  // Links to help pages stay in the pane, others open outside.
  auto* pane = Find<QTextBrowser>(Start(), "WebInfo");
  ClickLink(pane, "DownloadFromInternet.htm");
  ClickLink(pane, "https://freesound.org/");
  EXPECT_EQ(ShownPage(Start()), "DownloadFromInternet.htm");
  ClickLink(pane, "EditSounds.htm");
  ClickLink(pane, "../Documentation/Vantora_Manual.pdf");
  EXPECT_EQ(ShownPage(Start()), "EditSounds.htm");
  EXPECT_EQ(openedUrls, (std::vector<QUrl>{
                            QUrl("https://freesound.org/"),
                            QUrl::fromLocalFile(ProgramPath("Documentation/Vantora_Manual.pdf"))}));

  QFile::remove(ProgramPath("Web/Introduction.htm"));
  QTest::mouseClick(Start(), Qt::RightButton, {}, FreeArea(Start()));
  EXPECT_TRUE(pane->toPlainText().startsWith("The help page Introduction.htm cannot be found"));
  EXPECT_TRUE(prompts.Questions.empty());

  // Without a program to open them, documents are shown in the pane of the
  // page whose menu was used, the manual in its HTML form; only a missing one
  // is told.
  const std::tuple<const char*, QString, QString, const char*> documents[] = {
      {"Manual1", "Documentation/Vantora_Manual.pdf", "Manual could not be found",
       "Vantora_Manual.html"},
      {"DriverInstallation1", "Web/DriverInstallation.htm",
       "Driver installation instructions could not be found", "DriverInstallation.htm"},
      {"RipEditConvertSongs1", "Web/EditSounds.htm", "Song editing instructions could not be found",
       "EditSounds.htm"},
      {"RecordSounds1", "Web/RecordSounds.htm", "Sound recording instructions could not be found",
       "RecordSounds.htm"}};
  for (const auto& [entry, path, failure, shownInPane] : documents) {
    for (Page* page : std::initializer_list<Page*>{Start(), Editor()}) {
      Window().ShowPage(page);
      openedUrls.clear();
      openSucceeds = true;
      const QString before = ShownPage(page);
      Choose(page, entry);
      EXPECT_EQ(openedUrls, std::vector<QUrl>{QUrl::fromLocalFile(ProgramPath(path))}) << entry;
      EXPECT_EQ(ShownPage(page), before) << entry << ": opened outside, the pane stays";

      openSucceeds = false;
      Choose(page, entry);
      EXPECT_EQ(ShownPage(page), shownInPane) << entry;
      const QString shown = Find<QTextBrowser>(page, "WebInfo")->toPlainText();
      EXPECT_GT(shown.size(), 400) << entry;
      EXPECT_FALSE(shown.startsWith("The help page")) << entry << " is not in the program folder";
      EXPECT_TRUE(prompts.Questions.empty()) << entry;

      // Missing: not handed to the opener.
      prompts.Answers = {PromptAnswer::Ok};
      QFile::rename(ProgramPath(path), ProgramPath(path) + ".gone");
      Choose(page, entry);
      QFile::rename(ProgramPath(path) + ".gone", ProgramPath(path));
      EXPECT_EQ(openedUrls.size(), 2u) << entry;
      const QString missing =
          page == Editor() ? QString(failure).replace("Song", "Sound") : failure;
      const std::vector<Question> told{{missing.toStdString(), ""}};
      EXPECT_EQ(prompts.Questions, told) << entry;
      prompts.Questions.clear();
    }
  }
}

TEST_F(HelpPaneTest, F1ShowsTheManualInThePaneOnEveryPageAndBackReturnsToThePagesHelp) {
  const std::pair<Page*, QString> pages[] = {{Start(), "Introduction.htm"},
                                             {Editor(), "AddFilesIntro.htm"},
                                             {Programming(), "ProgramPage1.htm"}};
  for (const auto& [page, ownHelp] : pages) {
    SCOPED_TRACE(page->windowTitle().toStdString());
    Window().ShowPage(page);
    Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    auto* pane = Find<QTextBrowser>(page, "WebInfo");
    const auto links = Links(pane->document());
    const auto toHelpPage = std::ranges::find_if(
        links, [](const auto& link) { return link.first.endsWith(QLatin1String(".htm")); });
    ASSERT_NE(toHelpPage, links.end());
    ClickLink(pane, toHelpPage->first);
    ASSERT_NE(ShownPage(page), ownHelp);
    QTest::keyClick(page, Qt::Key_F1);
    EXPECT_EQ(ShownPage(page), "Vantora_Manual.html");
    EXPECT_EQ(pane->documentTitle(), "Vantora Programmer Manual");
    ClickLink(pane, "#part7");
    EXPECT_EQ(pane->source().fragment(), "part7") << "the contents lead to their part";
    QTest::mouseClick(Find<QToolButton>(page, "HelpBack"), Qt::LeftButton);
    EXPECT_EQ(pane->source().fragment(), "");
    QTest::keyClick(pane, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(ShownPage(page), ownHelp) << "back to the page's own help, past the links before";
  }
  EXPECT_TRUE(openedUrls.empty()) << "no viewer is started";
  EXPECT_TRUE(prompts.Questions.empty());
}

TEST_F(HelpPaneTest, BackAppearsOnceALinkWasFollowedAndStepsBackAsAltLeftDoes) {
  auto* pane = Find<QTextBrowser>(Start(), "WebInfo");
  auto* back = Find<QToolButton>(Start(), "HelpBack");
  EXPECT_FALSE(back->isVisible()) << "nothing to go back to";
  ClickLink(pane, "DownloadFromInternet.htm");
  EXPECT_TRUE(back->isVisible());
  ClickLink(pane, "https://freesound.org/");
  ClickLink(pane, "EditSounds.htm");
  EXPECT_EQ(ShownPage(Start()), "EditSounds.htm");
  QTest::mouseClick(back, Qt::LeftButton);
  EXPECT_EQ(ShownPage(Start()), "DownloadFromInternet.htm") << "web links leave no step behind";
  EXPECT_TRUE(back->isVisible());
  QTest::mouseClick(back, Qt::LeftButton);
  EXPECT_EQ(ShownPage(Start()), "Introduction.htm");
  EXPECT_FALSE(back->isVisible());

  ClickLink(pane, "DownloadFromInternet.htm");
  QTest::keyClick(pane, Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(ShownPage(Start()), "Introduction.htm");
  EXPECT_FALSE(back->isVisible());

  // What the program shows, from a menu or a right click, starts the way
  // back afresh.
  const std::function<void()> shows[] = {
      [this] { Choose(Start(), "AcquireSoundsfromtheInternet1"); },
      [this] {
        QTest::mouseClick(Start(), Qt::RightButton, {}, FreeArea(Start()));
      }};
  for (const auto& show : shows) {
    QTest::mouseClick(Start(), Qt::RightButton, {}, FreeArea(Start()));
    ClickLink(pane, "DownloadFromInternet.htm");
    ClickLink(pane, "EditSounds.htm");
    show();
    const QString shown = ShownPage(Start());
    EXPECT_FALSE(back->isVisible()) << shown.toStdString();
    QTest::keyClick(pane, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(ShownPage(Start()), shown);
  }
  EXPECT_TRUE(prompts.Questions.empty());
}
