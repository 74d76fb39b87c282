#pragma once

#include <QProcessEnvironment>

// The environment for a program that a test starts in one language, named by
// LANG ("de_DE.UTF-8"), without a display: nothing else chooses its language
// or its format of numbers.
inline QProcessEnvironment LanguageEnvironment(const QString& lang) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "DISPLAY",
                           "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    environment.remove(QString::fromLatin1(name));
  environment.insert(QStringLiteral("LANG"), lang);
  return environment;
}
