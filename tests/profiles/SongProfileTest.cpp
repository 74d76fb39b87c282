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
  EXPECT_EQ(profile.SoundCount(), 0);
  EXPECT_EQ(profile.PresentButtonCount(), 2);
}
