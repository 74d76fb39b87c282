#include "profiles/SoundEntry.h"

#include <gtest/gtest.h>

TEST(SizeText, ReadsLikeADecimalNumberUpToTheFirstOtherCharacter) {
  EXPECT_EQ(ReadSizeText("1048576"), 1048576);
  EXPECT_EQ(ReadSizeText("  \t42"), 42);
  EXPECT_EQ(ReadSizeText("+7"), 7);
  EXPECT_EQ(ReadSizeText("-12"), -12);
  EXPECT_EQ(ReadSizeText("300 bytes"), 300);
  EXPECT_EQ(ReadSizeText("12,345"), 12);
  EXPECT_EQ(ReadSizeText(""), 0);
  EXPECT_EQ(ReadSizeText("abc"), 0);
  EXPECT_EQ(ReadSizeText("- 5"), 0);
  EXPECT_EQ(ReadSizeText("4294967296"), 4294967296);
  EXPECT_EQ(ReadSizeText("99999999999999999999999"), INT64_MAX);
}

TEST(SoundEntry, PathIsFolderFollowedByNameAndNeedAddsTheOverhead) {
  const SoundEntry entry{"door.mp3", "0", "/home/ann/Sounds/", false};
  EXPECT_EQ(entry.FullPath(), "/home/ann/Sounds/door.mp3");
  EXPECT_EQ(entry.Need(), 16);
}
