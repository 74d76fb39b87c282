#include "profiles/ProfileName.h"

#include <algorithm>

namespace {

char LowerCaseLetter(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsForbiddenInName(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F ||
         std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
}

}  // namespace

bool SameProfileName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerCaseLetter(x) == LowerCaseLetter(y);
         });
}

std::string LowerCase(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), LowerCaseLetter);
  return lower;
}

bool IsValidProfileName(std::string_view name) {
  if (name.empty() || name.front() == '.') return false;
  if (name.back() == ' ' || name.back() == '.') return false;
  return std::none_of(name.begin(), name.end(), IsForbiddenInName);
}

std::string ProfileNameOfFile(const std::string& path) {
  const std::string file = path.substr(path.rfind('/') + 1);
  return file.substr(0, file.rfind('.'));
}
