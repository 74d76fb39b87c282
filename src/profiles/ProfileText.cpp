#include "profiles/ProfileText.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view LittleEndianMark = "\xFF\xFE";
constexpr std::string_view BigEndianMark = "\xFE\xFF";
constexpr char32_t ReplacementCharacter = 0xFFFD;

// Windows-1252 from 0x80 to 0x9F; the five unassigned bytes stay the control
// characters of the same number, as Windows reads them.
constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& text, char32_t code) {
  if (code < 0x80) {
    text += static_cast<char>(code);
  } else if (code < 0x800) {
    text += static_cast<char>(0xC0 | code >> 6);
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    text += static_cast<char>(0xE0 | code >> 12);
    text += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | code >> 18);
    text += static_cast<char>(0x80 | (code >> 12 & 0x3F));
    text += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::string Utf16Text(std::string_view bytes, bool bigEndian) {
  std::string text;
  text.reserve(bytes.size() / 2 * 3);
  const auto unitAt = [&](std::size_t at) -> char32_t {
    const auto first = static_cast<std::uint8_t>(bytes[at]);
    const auto second = static_cast<std::uint8_t>(bytes[at + 1]);
    return bigEndian ? first << 8 | second : second << 8 | first;
  };
  for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
    const char32_t unit = unitAt(at);
    if (unit >= 0xD800 && unit <= 0xDBFF && at + 3 < bytes.size()) {
      const char32_t next = unitAt(at + 2);
      if (next >= 0xDC00 && next <= 0xDFFF) {
        AppendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
        at += 2;
        continue;
      }
    }
    AppendUtf8(text, unit >= 0xD800 && unit <= 0xDFFF ? ReplacementCharacter : unit);
  }
  return text;
}

}  // namespace

bool HasUtf16ByteOrderMark(std::string_view bytes) {
  return bytes.starts_with(LittleEndianMark) || bytes.starts_with(BigEndianMark);
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<std::uint8_t>(text[at]);
    if (lead < 0x80) {
      ++at;
      continue;
    }
    // The lead byte says the length; the second byte's range excludes
    // overlong forms, surrogates and code points beyond U+10FFFF.
    std::size_t length = 0;
    std::uint8_t low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (at + length > text.size()) return false;
    for (std::size_t i = 1; i < length; ++i) {
      const auto byte = static_cast<std::uint8_t>(text[at + i]);
      if (byte < (i == 1 ? low : 0x80) || byte > (i == 1 ? high : 0xBF)) return false;
    }
    at += length;
  }
  return true;
}

std::string Utf8Line(std::string_view line) {
  if (IsValidUtf8(line)) return std::string(line);
  std::string text;
  text.reserve(line.size() * 2);
  for (const char c : line) {
    const auto byte = static_cast<std::uint8_t>(c);
    AppendUtf8(text, byte >= 0x80 && byte < 0xA0 ? Windows1252High[byte - 0x80] : byte);
  }
  return text;
}

std::string ProfileTextOf(std::string_view bytes) {
  if (bytes.starts_with(LittleEndianMark)) return Utf16Text(bytes.substr(2), false);
  if (bytes.starts_with(BigEndianMark)) return Utf16Text(bytes.substr(2), true);
  if (IsValidUtf8(bytes)) return std::string(bytes);
  std::string text;
  text.reserve(bytes.size() * 2);
  if (bytes.starts_with(Utf8ByteOrderMark)) {
    text = Utf8ByteOrderMark;
    bytes.remove_prefix(Utf8ByteOrderMark.size());
  }
  while (!bytes.empty()) {
    const std::size_t end = std::min(bytes.find_first_of("\r\n"), bytes.size());
    text += Utf8Line(bytes.substr(0, end));
    const std::size_t next = bytes.find_first_not_of("\r\n", end);
    text += bytes.substr(end, std::min(next, bytes.size()) - end);
    bytes.remove_prefix(std::min(next, bytes.size()));
  }
  return text;
}
