#include "profiles/VisibleText.h"

#include <cstdio>

std::string VisibleText(std::string_view text) {
  std::string visible;
  visible.reserve(text.size());
  for (std::size_t at = 0; at < text.size(); ++at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    char escaped[8];
    if (byte < 0x20 || byte == 0x7F) {
      std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
      visible += escaped;
    } else if (byte == 0xC2 && at + 1 < text.size() &&
               static_cast<unsigned char>(text[at + 1]) >= 0x80 &&
               static_cast<unsigned char>(text[at + 1]) <= 0x9F) {
      // The C1 controls in UTF-8, which some terminals obey as well.
      std::snprintf(escaped, sizeof escaped, "\\u00%02x", static_cast<unsigned char>(text[++at]));
      visible += escaped;
    } else {
      visible += text[at];
    }
  }
  return visible;
}
