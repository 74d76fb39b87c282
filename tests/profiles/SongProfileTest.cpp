#include "profiles/SongProfile.h"

#include <gtest/gtest.h>

TEST(SongProfile, TrimmingToTheUnitHidesAndEmptiesTheSlotsFromItsButtonCountUp) {
  SongProfile profile;
  for (int slot = 0; slot < 5; ++slot) profile.Buttons[slot] = {true, {{"s.mp3", "1", "/", false}}};
  profile.TrimToUnit(8);
  EXPECT_EQ(profile.PresentButtonCount(), 5);
  profile.TrimToUnit(2);
  EXPECT_EQ(profile.PresentButtonCount(), 2);
  EXPECT_TRUE(profile.Buttons[2].Sounds.empty());
  EXPECT_EQ(profile.SoundCount(), 2);
  profile.ClearPresentLists();
  EXPECT_EQ(profile.SoundCount() + profile.PresentButtonCount(), 2);
}

TEST(SoundEntry, SizeTextReadsLikeADecimalNumberUpToTheFirstOtherCharacter) {
  const char* texts[] = {"1048576", "  \t42", "+7",  "-12",        "12,345",
                         "",        "abc",    "- 5", "4294967296", "99999999999999999999999"};
  const std::int64_t sizes[] = {1048576, 42, 7, -12, 12, 0, 0, 0, 4294967296, INT64_MAX};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(ReadSizeText(texts[i]), sizes[i]) << texts[i];
  const SoundEntry entry{"door.mp3", "0", "/home/ann/Sounds/", false};
  EXPECT_EQ(entry.FullPath(), "/home/ann/Sounds/door.mp3");
  EXPECT_EQ(entry.Need(), 16);
}
