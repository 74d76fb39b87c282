#include "profiles/SoundEntry.h"

#include <cctype>
#include <limits>

std::int64_t SoundEntry::Size() const {
  return ReadSizeText(SizeText);
}

std::int64_t ReadSizeText(const std::string& sizeText) {
  std::size_t position = 0;
  while (position < sizeText.size() &&
         std::isspace(static_cast<unsigned char>(sizeText[position]))) {
    ++position;
  }
  bool negative = false;
  if (position < sizeText.size() && (sizeText[position] == '+' || sizeText[position] == '-')) {
    negative = sizeText[position] == '-';
    ++position;
  }
  constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max();
  std::int64_t value = 0;
  for (; position < sizeText.size() && std::isdigit(static_cast<unsigned char>(sizeText[position]));
       ++position) {
    const int digit = sizeText[position] - '0';
    value = value > (limit - digit) / 10 ? limit : value * 10 + digit;
  }
  return negative ? -value : value;
}
