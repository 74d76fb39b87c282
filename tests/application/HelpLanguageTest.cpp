#include <QDir>
#include <QRegularExpression>
#include <filesystem>
#include <set>

#include "AppFixture.h"

namespace {

const QString BuiltFolder = QStringLiteral(VANTORA_BUILT_PROGRAM_FOLDER);

QString Read(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return QString::fromUtf8(file.readAll());
}

// The values of one attribute (href, name) throughout an HTML file.
std::multiset<QString> Attributes(const QString& html, const QString& attribute) {
  std::multiset<QString> values;
  const QRegularExpression pattern(attribute + QStringLiteral("=\"([^\"]*)\""));
  for (const auto& match : pattern.globalMatch(html)) values.insert(match.captured(1));
  return values;
}

// The path of what the page's pane shows, within the program folder.
QString Shown(QWidget* page, const QString& programFolder) {
  return QDir(programFolder).relativeFilePath(
      Find<QTextBrowser>(page, "WebInfo")->source().toLocalFile());
}

}  // namespace

TEST(TranslatedHelp, EveryHelpPageHasItsGermanAndFrenchFormWithTheSameLinks) {
  const QStringList pages = QDir(BuiltFolder + "Web").entryList({"*.htm"}, QDir::Files);
  ASSERT_GE(pages.size(), 17);
  for (const QString language : {"de", "fr"}) {
    for (const QString& page : pages) {
      const QString translated = BuiltFolder + "Web/" + language + "/" + page;
      ASSERT_TRUE(QFileInfo(translated).isFile()) << translated.toStdString();
      // The translation leads where the English page leads, to the manual in
      // its own language.
      std::multiset<QString> expected;
      for (QString link : Attributes(Read(BuiltFolder + "Web/" + page), "href")) {
        expected.insert(link.replace("../Documentation/Vantora_Manual.pdf",
                                     "../../Documentation/Vantora_Manual_" + language + ".pdf"));
      }
      EXPECT_EQ(Attributes(Read(translated), "href"), expected) << translated.toStdString();

      QTextBrowser view;
      view.setSource(QUrl::fromLocalFile(translated));
      EXPECT_FALSE(view.documentTitle().isEmpty()) << translated.toStdString();
      EXPECT_GT(view.toPlainText().size(), 400) << translated.toStdString();
      for (const QString& link : expected) {
        const QUrl to = view.source().resolved(QUrl(link));
        EXPECT_TRUE(!to.isLocalFile() || QFileInfo(to.toLocalFile()).isFile())
            << translated.toStdString() << " links to " << link.toStdString();
      }
    }
  }
}

TEST(TranslatedHelp, TheManualIsWrittenInGermanAndFrenchWithTheContentsOfTheEnglishOne) {
  const QString english = Read(BuiltFolder + "Documentation/Vantora_Manual.html");
  for (const QString language : {"de", "fr"}) {
    const QString manual = BuiltFolder + "Documentation/Vantora_Manual_" + language;
    QFile pdf(manual + ".pdf");
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << language.toStdString();
    EXPECT_TRUE(pdf.read(5) == "%PDF-") << language.toStdString();
    const QString html = Read(manual + ".html");
    EXPECT_EQ(Attributes(html, "name"), Attributes(english, "name")) << language.toStdString();
    EXPECT_EQ(Attributes(html, "href"), Attributes(english, "href")) << language.toStdString();
    EXPECT_GT(html.size(), english.size() * 9 / 10) << language.toStdString() << ": nothing left out";
  }
}

// The program, with the help pages and manuals of the build, for a user whose
// language is given.
class HelpLanguageTest : public AppFixture {
 protected:
  void SetUp() override {
    for (const std::string folder : {"Web", "Documentation"}) {
      std::filesystem::copy(VANTORA_BUILT_PROGRAM_FOLDER + folder, ProgramFolder() + folder,
                            std::filesystem::copy_options::recursive);
    }
  }
  void TearDown() override { QLocale::setDefault(QLocale::system()); }
  void StartIn(const char* locale) {
    QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
    StartProgram();
  }
  QString Shown(QWidget* page) const { return ::Shown(page, programFolder.path()); }
};

TEST_F(HelpLanguageTest, UnderAGermanLocaleThePanesTheirLinksAndTheHelpMenusDocumentsAreGerman) {
  StartIn("de_DE");
  EXPECT_EQ(Shown(Start()), "Web/de/Introduction.htm");
  Choose(Editor(), "AddingSongs1");
  EXPECT_EQ(Shown(Editor()), "Web/de/AddFilesPage1.htm");

  // A link followed by Tab and Enter stays in German.
  auto* pane = Find<QTextBrowser>(Start(), "WebInfo");
  Window().ShowPage(Start());
  pane->setFocus();
  QTest::keyClick(pane, Qt::Key_Tab);
  QTest::keyClick(pane, Qt::Key_Return);
  EXPECT_EQ(Shown(Start()), "Web/de/AddFilesIntro.htm");
  Window().ShowPage(Programming());
  EXPECT_EQ(Shown(Programming()), "Web/de/ProgramPage1.htm");

  Choose(Start(), "Manual1");
  Choose(Start(), "DriverInstallation1");
  EXPECT_EQ(openedUrls,
            (std::vector<QUrl>{QUrl::fromLocalFile(ProgramPath("Documentation/Vantora_Manual_de.pdf")),
                               QUrl::fromLocalFile(ProgramPath("Web/de/DriverInstallation.htm"))}));
  openSucceeds = false;
  Choose(Start(), "Manual1");
  EXPECT_EQ(Shown(Start()), "Documentation/Vantora_Manual_de.html") << "no PDF viewer";
  EXPECT_TRUE(prompts.Questions.empty());
}

TEST_F(HelpLanguageTest, AFrenchRegionGetsTheFrenchPages) {
  StartIn("fr_CA");
  EXPECT_EQ(Shown(Start()), "Web/fr/Introduction.htm");
  Choose(Start(), "Manual1");
  EXPECT_EQ(openedUrls, std::vector<QUrl>{QUrl::fromLocalFile(
                            ProgramPath("Documentation/Vantora_Manual_fr.pdf"))});
}

TEST_F(HelpLanguageTest, ALanguageWithoutTranslationsGetsTheEnglishPagesAndManual) {
  StartIn("ja_JP");
  EXPECT_EQ(Shown(Start()), "Web/Introduction.htm");
  Choose(Start(), "Manual1");
  EXPECT_EQ(openedUrls, std::vector<QUrl>{QUrl::fromLocalFile(
                            ProgramPath("Documentation/Vantora_Manual.pdf"))});
}

TEST_F(HelpLanguageTest, ATranslatedPageThatIsMissingIsShownInEnglish) {
  QFile::remove(ProgramPath("Web/de/RecordSounds.htm"));
  StartIn("de_AT");
  Choose(Start(), "RecordSounds1");
  EXPECT_EQ(openedUrls, std::vector<QUrl>{QUrl::fromLocalFile(ProgramPath("Web/RecordSounds.htm"))});
  EXPECT_TRUE(prompts.Questions.empty());
}
