// Turns the manual's HTML source into its PDF. Fails, and leaves no PDF
// behind, when the PDF cannot be written completely.
// Usage: manual_pdf <manual.html> <output.pdf>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

namespace {

bool Fail(const QString& message) {
  std::fprintf(stderr, "manual_pdf: %s\n", qPrintable(message));
  return false;
}

bool WritePdf(const QString& sourcePath, const QString& pdfPath) {
  QFile source(sourcePath);
  if (!source.open(QIODevice::ReadOnly)) return Fail(QStringLiteral("cannot read ") + sourcePath);
  QTextDocument manual;
  manual.setBaseUrl(QUrl::fromLocalFile(QFileInfo(sourcePath).absolutePath() + QLatin1Char('/')));
  manual.setHtml(QString::fromUtf8(source.readAll()));

  QSaveFile pdf(pdfPath);
  if (!pdf.open(QIODevice::WriteOnly)) return Fail(QStringLiteral("cannot write ") + pdfPath);
  {
    QPdfWriter writer(&pdf);
    writer.setTitle(manual.metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator(QStringLiteral("Vantora Programmer"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    manual.print(&writer);
  }
  if (pdf.size() == 0) return Fail(QStringLiteral("nothing was written to ") + pdfPath);
  if (!pdf.commit()) return Fail(QStringLiteral("cannot save ") + pdfPath);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // The build has no display; fonts and layout still need a platform.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: manual_pdf <manual.html> <output.pdf>\n");
    return 2;
  }
  return WritePdf(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
