#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Texts that people read, in their language, for the layers below Qt. The
// application installs a translator at its start; without one every text
// stays as written, in English.
//
// Translated("Profiles", "Profile saved") is found by the translation tools
// like Qt's own translate(); the context and the source must be literals.
using Translator = std::string (*)(const char* context, const char* source);

// The translator that Translated() asks from now on; nullptr returns to English.
void InstallTranslator(Translator translator);

// The source in the user's language, as UTF-8.
std::string Translated(const char* context, const char* source);

// The pattern with %1 ... %9 replaced by the arguments in that order, so that
// a translation may place them where its language wants them. A "%" not
// followed by the number of an argument stays as it is; an argument's own
// text is never searched for further placeholders.
std::string Filled(std::string_view pattern, std::initializer_list<std::string_view> arguments);
