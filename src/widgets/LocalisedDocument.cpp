#include "widgets/LocalisedDocument.h"

#include <QFileInfo>
#include <QLocale>

namespace {

const QString WebFolder = QStringLiteral("Web/");

QString InLanguage(const QString& relativePath, const QString& language) {
  if (relativePath.startsWith(WebFolder)) {
    return WebFolder + language + QLatin1Char('/') + relativePath.mid(WebFolder.size());
  }
  const qsizetype nameStart = relativePath.lastIndexOf(QLatin1Char('/')) + 1;
  qsizetype suffixStart = relativePath.lastIndexOf(QLatin1Char('.'));
  if (suffixStart < nameStart) suffixStart = relativePath.size();
  return relativePath.left(suffixStart) + QLatin1Char('_') + language +
         relativePath.mid(suffixStart);
}

}  // namespace

QString LocalisedDocument(const QString& programFolder, const QString& relativePath) {
  for (const QString& tag : QLocale().uiLanguages()) {
    const QLocale::Language language = QLocale(tag).language();
    // English is the documents' own language: a user who puts it before
    // another reads the English form.
    if (language == QLocale::English) break;
    if (language == QLocale::C || language == QLocale::AnyLanguage) continue;
    const QString localised = InLanguage(relativePath, QLocale::languageToCode(language));
    if (QFileInfo(programFolder + localised).isFile()) return localised;
  }
  return relativePath;
}
