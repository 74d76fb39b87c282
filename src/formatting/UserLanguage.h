#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The language of the texts, as a code ("de"): the first of the user's
// languages that is English or has a translation of the program; "en" when
// none is. A later choice never wins over English named earlier.
QString ChosenLanguage(const QStringList& userLanguages);

// The texts of every layer in the user's language (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG) from now on: the program's translation and Qt's own,
// which names its buttons and standard dialogs. English needs neither.
void SpeakUsersLanguage(QCoreApplication& application);
