#include "formatting/UserLanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "translation/Translated.h"

namespace {

const QString English = QStringLiteral("en");

// Where the build puts the program's translations, one per language.
QString ProgramTranslation(const QString& language) {
  return QStringLiteral(":/i18n/vantora_%1.qm").arg(language);
}

// "de" of "de-DE", "de_AT" or "de"; "en" for the C locale.
QString LanguageCode(const QString& userLanguage) {
  const QLocale locale(userLanguage);
  if (locale.language() == QLocale::C) return English;
  return locale.name().section(QLatin1Char('_'), 0, 0);
}

std::string TranslatedByQt(const char* context, const char* source) {
  return QCoreApplication::translate(context, source).toStdString();
}

}  // namespace

QString ChosenLanguage(const QStringList& userLanguages) {
  for (const QString& userLanguage : userLanguages) {
    const QString language = LanguageCode(userLanguage);
    if (language == English || QFile::exists(ProgramTranslation(language))) return language;
  }
  return English;
}

void SpeakUsersLanguage(QCoreApplication& application) {
  const QString language = ChosenLanguage(QLocale::system().uiLanguages());
  if (language == English) return;
  auto* program = new QTranslator(&application);
  if (program->load(ProgramTranslation(language))) QCoreApplication::installTranslator(program);
  // Qt's own texts where Qt has them for the language; its buttons stay
  // English otherwise, beside the program's translated texts.
  auto* qt = new QTranslator(&application);
  if (qt->load(QStringLiteral("qtbase_") + language,
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt);
  }
  InstallTranslator(&TranslatedByQt);
}
