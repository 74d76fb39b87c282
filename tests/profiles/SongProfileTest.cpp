#include "profiles/SongProfile.h"

#include <gtest/gtest.h>

TEST(SongProfile, HidingAndTrimmingEmptyTheSlotsTheyHide) {
  SongProfile profile;
  for (int slot = 0; slot < 5; ++slot) {
    profile.Buttons[slot] = {true, {{"s" + std::to_string(slot) + ".mp3", "1", "/", false}}};
  }
  EXPECT_EQ(profile.PresentButtonCount(), 5);
  EXPECT_EQ(profile.SoundCount(), 5);

  profile.TrimToUnit(8);
  EXPECT_EQ(profile.PresentButtonCount(), 5);
  profile.TrimToUnit(2);
  EXPECT_EQ(profile.PresentButtonCount(), 2);
  EXPECT_TRUE(profile.Buttons[2].Sounds.empty());
  EXPECT_EQ(profile.SoundCount(), 2);

  profile.HideSlot(8);
  profile.HideSlot(-1);
  EXPECT_EQ(profile.PresentButtonCount(), 2);

  profile.ClearPresentLists();
  EXPECT_EQ(profile.SoundCount(), 0);
  EXPECT_TRUE(profile.Buttons[0].Present && profile.Buttons[1].Present);
}
