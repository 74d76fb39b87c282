#pragma once

#include <QString>

// The form of a document of the program folder in the user's language (the
// languages of QLocale(), in the user's order), when the folder holds one;
// else relativePath, the English form. Help pages have their translations in
// a folder of the language beside them, so that their links stay within one
// language ("Web/Introduction.htm" -> "Web/de/Introduction.htm"); other
// documents carry the language in their name
// ("Documentation/Vantora_Manual.pdf" -> "Documentation/Vantora_Manual_de.pdf").
// programFolder ends in "/".
QString LocalisedDocument(const QString& programFolder, const QString& relativePath);
