#include "profiles/IniFile.h"

#include <gtest/gtest.h>

#include "profiles/OldListFile.h"
#include "profiles/ProfileFormat.h"

using Lines = std::vector<std::string>;

TEST(IniFile, ReadsWhatConventionalWritersWrite) {
  // As Python's configparser writes a profile: lower-case keys, blanks
  // around "=", LF line ends and a blank line after each section.
  const IniFile configParser = IniFile::Parse(
      "[Profile]\nid = 7\nnumbuttons = 2\n\n[Button0]\nnumsounds = 2\n"
      "sound0 = /home/ann/Sounds/door.mp3\nsound1 = /home/ann/Sounds/ding dong.wav\n\n"
      "[Button1]\nnumsounds = 0\n\n");
  EXPECT_EQ(StoredProfileNumber(configParser), 7);
  EXPECT_EQ(StoredButtonCount(configParser), 2);
  EXPECT_EQ(StoredSoundCount(configParser, 0), 2);
  EXPECT_EQ(StoredSoundPath(configParser, 0, 1), "/home/ann/Sounds/ding dong.wav");

  const IniFile handWritten = IniFile::Parse(
      "\xEF\xBB\xBF; made by hand\r\nid=99\r\n  [ PROFILE ]  \r\n# a comment\r\n\r\n"
      "  Id\t=\t12\r\nID=13\r\n[profile]\r\nNumButtons=5\r\n[Button0]\rSOUND0=/a/b c.mp3  \r\n");
  EXPECT_EQ(StoredProfileNumber(handWritten), 12) << "first key of the first section counts";
  EXPECT_EQ(StoredButtonCount(handWritten), 0) << "a second [Profile] section is not read";
  EXPECT_EQ(StoredSoundPath(handWritten, 0, 0), "/a/b c.mp3  ") << "a lone CR ends a line too";

  EXPECT_EQ(StoredButtonCount(IniFile::Parse("[Profile]\nNumButtons=-1\n")), 0);
  EXPECT_EQ(StoredButtonCount(IniFile::Parse("[Profile]\nNumButtons=9\n")), 8);
  EXPECT_FALSE(IsCurrentFormat(IniFile::Parse("/home/ann/door.mp3\r\nNumButtons=2\r\n")));
}

TEST(IniFile, IntegersThatAreNotWholeNumbersReadAsTheDefault) {
  const IniFile file = IniFile::Parse(
      "[s]\nplain=42\nsigned= -1 \nplus=+7\nmixed=12abc\n"
      "empty=\nhuge=2147483648\nmax=2147483647\n");
  std::vector<int> read;
  for (const char* key : {"plain", "signed", "plus", "mixed", "empty", "huge", "max", "missing"})
    read.push_back(file.ReadInteger("S", key, 5));
  EXPECT_EQ(read, (std::vector<int>{42, -1, 7, 5, 5, 5, 2147483647, 5}));
  EXPECT_EQ(file.ReadInteger("other", "plain", 5), 5);
  EXPECT_EQ(file.ReadString("s", "missing", "x"), "x");
}

TEST(IniFile, WritesChangeOneLineAndKeepAllOthers) {
  IniFile file = IniFile::Parse(
      "\xEF\xBB\xBF; keep me\n# and me\n[Profile]\nid = 3\nColour=red\n\n[Extra]\nkey=value\n");
  file.WriteInteger("profile", "ID", 9);
  file.WriteInteger("Profile", "NumButtons", 2);
  file.WriteString("Button0", "NumSounds", "0");
  EXPECT_EQ(
      file.Text(),
      "\xEF\xBB\xBF; keep me\r\n# and me\r\n[Profile]\r\nID=9\r\nColour=red\r\nNumButtons=2\r\n\r\n"
      "[Extra]\r\nkey=value\r\n[Button0]\r\nNumSounds=0\r\n");
}

TEST(OldListFile, LinesEndingWithinTheFirstFiveBytesAreNoPaths) {
  const std::string longPath = "/" + std::string(600, 'x') + ".mp3";
  // An empty first line and a second one ending at offset 4 are no paths; the
  // file's last byte ends a line and belongs to it unless it is a CR; the byte
  // after a CR is skipped only when it is LF.
  const std::pair<std::string, Lines> cases[] = {
      {"ABCDE\r\n", {"ABCDE"}},
      {"\r\nAB\r\nCD\r\n\r\n", {"CD", ""}},
      {"header\r\n/a/last.mp3", {"header", "/a/last.mp3"}},
      {"header\r\n/a/last.mp3\r", {"header", "/a/last.mp3"}},
      {"header\r/a/x.mp3\r\n", {"header", "/a/x.mp3"}},
      {"head\r\n" + longPath + "\r\n", {longPath}}};
  for (const auto& [bytes, paths] : cases) EXPECT_EQ(OldListPaths(bytes), paths) << bytes;
}
