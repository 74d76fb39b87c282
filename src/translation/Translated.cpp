#include "translation/Translated.h"

#include <atomic>
#include <vector>

namespace {

// Read by the device thread and the sound editor's workers as well.
std::atomic<Translator> installed{nullptr};

}  // namespace

void InstallTranslator(Translator translator) {
  installed.store(translator);
}

std::string Translated(const char* context, const char* source) {
  const Translator translator = installed.load();
  return translator == nullptr ? std::string(source) : translator(context, source);
}

std::string Filled(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
  const std::vector<std::string_view> values(arguments);
  std::string text;
  text.reserve(pattern.size());
  for (std::size_t at = 0; at < pattern.size(); ++at) {
    const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
    const std::size_t number =
        next >= '1' && next <= '9' ? static_cast<std::size_t>(next - '0') : 0;
    if (pattern[at] == '%' && number >= 1 && number <= values.size()) {
      text += values[number - 1];
      ++at;
    } else {
      text += pattern[at];
    }
  }
  return text;
}
