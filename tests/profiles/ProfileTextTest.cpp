#include "profiles/ProfileText.h"

#include <gtest/gtest.h>

TEST(ProfileText, Utf8StaysWindows1252AndUtf16BecomeUtf8) {
  const std::pair<std::string, std::string> cases[] = {
      {"Sound0=M\xC3\xBCller.mp3\r\n", "Sound0=M\xC3\xBCller.mp3\r\n"},  // UTF-8 as it is
      {"Sound0=M\xFCller.mp3\r\nok\r\n", "Sound0=M\xC3\xBCller.mp3\r\nok\r\n"},
      {"a\xC3\xBC\nb\xFC", "a\xC3\xBC\nb\xC3\xBC"},                     // line by line
      {"\x80\x81\x9F", "\xE2\x82\xAC\xC2\x81\xC5\xB8"},                 // 0x81 is unassigned
      {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                                 // overlong: not UTF-8
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},                 // a surrogate neither
      {"\xEF\xBB\xBF[P]\xE9", "\xEF\xBB\xBF[P]\xC3\xA9"},               // the mark is kept
      {std::string("\xFF\xFE[\0\xFC\0\r\0\n\0", 10), "[\xC3\xBC\r\n"},  // UTF-16, low byte first
      {std::string("\xFE\xFF\xD8\x3D\xDD\x14\xD8\x00", 8), "\xF0\x9F\x94\x94\xEF\xBF\xBD"},
  };
  for (const auto& [bytes, text] : cases) {
    EXPECT_EQ(ProfileTextOf(bytes), text) << bytes;
    EXPECT_TRUE(IsValidUtf8(ProfileTextOf(bytes)));
  }
  EXPECT_TRUE(HasUtf16ByteOrderMark("\xFE\xFF"));
  EXPECT_FALSE(HasUtf16ByteOrderMark("\xEF\xBB\xBF"));
}
