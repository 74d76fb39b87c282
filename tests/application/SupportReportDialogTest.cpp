#include "widgets/SupportReportDialog.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "application/AppFixture.h"
#include "support/TemporaryFolder.h"

namespace {

class SupportReportDialogTest : public AppFixture {};

}  // namespace

TEST_F(SupportReportDialogTest, HelpShowsTheReportWhichCopyTakesAndSaveWritesWhereTheUserSays) {
  StartProgram();
  Choose(Start(), "SaveSupportReport1");
  auto* dialog = Find<QDialog>(&Window(), "SupportReport");
  ASSERT_TRUE(dialog->isVisible());
  const QString report = Find<QPlainTextEdit>(dialog, "ReportText")->toPlainText();
  for (const char* line : {"Description: QVT2 Vantora Programmer (simulated)",
                           "Vendor and product id: 0403:6001", "  Connected\n",
                           "Memory 1: device code 0x43, 262143 bytes"}) {
    EXPECT_TRUE(report.contains(QString::fromUtf8(line))) << line;
  }

  Click(dialog, "CopyButton");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), report);
  EXPECT_EQ(Find<QLabel>(dialog, "Outcome")->text(), "Copied to the clipboard.");

  Click(dialog, "SaveButton");
  auto* where = Find<QFileDialog>(dialog, "SaveReportDialog");
  ASSERT_TRUE(where->isVisible());
  const TemporaryFolder folder;
  EXPECT_EQ(where->selectedFiles().value(0), QDir::home().filePath("vantora-support-report.txt"))
      << "proposed in the home folder";
  where->setDirectory(QString::fromStdString(folder.Path()));  // as the user goes there
  auto* name = Find<QLineEdit>(where, "fileNameEdit");
  name->clear();
  QTest::keyClicks(name, QStringLiteral("report"));
  QTest::mouseClick(Find<QDialogButtonBox>(where, "buttonBox")->button(QDialogButtonBox::Save),
                    Qt::LeftButton);
  EXPECT_EQ(QString::fromStdString(FileText(folder.Path() + "report.txt")), report)
      << "saved with the suffix of a text file";
  EXPECT_FALSE(dialog->isVisible()) << "the dialog goes once the report is saved";
}
