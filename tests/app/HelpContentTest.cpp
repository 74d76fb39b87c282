#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTextBlock>
#include <QTextBrowser>

namespace {

const QString ProgramFolder = QStringLiteral(VANTORA_BUILT_PROGRAM_FOLDER);

const QStringList HelpPages{
    "Introduction.htm",    "DownloadFromInternet.htm", "AddFilesIntro.htm",
    "AddFilesPage1.htm",   "AddFilesPage2.htm",        "AboutProfiles.htm",
    "PreviousButton.htm",  "NextButton.htm",           "ProfileProgressBar.htm",
    "ProfileView.htm",     "ProgramPage1.htm",         "ProgramProgressBar.htm",
    "ProgramListView.htm", "DriverInstallation.htm",   "EditSounds.htm",
    "RecordSounds.htm",
};

QStringList Links(const QTextDocument* document) {
  QStringList links;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      const QString href = fragment.fragment().charFormat().anchorHref();
      if (!href.isEmpty() && !links.contains(href)) links << href;
    }
  }
  return links;
}

}  // namespace

TEST(HelpContent, EveryHelpPageIsThereAndEveryLinkLeadsSomewhere) {
  for (const QString& page : HelpPages) {
    const QString path = ProgramFolder + "Web/" + page;
    ASSERT_TRUE(QFileInfo(path).isFile()) << page.toStdString();
    QTextBrowser view;
    view.setSource(QUrl::fromLocalFile(path));
    EXPECT_FALSE(view.documentTitle().isEmpty()) << page.toStdString();
    EXPECT_GT(view.toPlainText().size(), 400) << page.toStdString();
    for (const QString& link : Links(view.document())) {
      const QUrl target = view.source().resolved(QUrl(link));
      if (target.isLocalFile()) {
        EXPECT_TRUE(QFileInfo(target.toLocalFile()).isFile())
            << page.toStdString() << " links to a missing " << link.toStdString();
      } else {
        EXPECT_EQ(target.scheme(), "https") << page.toStdString() << ": " << link.toStdString();
        EXPECT_FALSE(target.host().isEmpty()) << page.toStdString() << ": " << link.toStdString();
      }
    }
  }
}
