#include <gtest/gtest.h>

#include "editor/FitPlanText.h"

namespace {

// Four 10-second sounds; the plan changes the second, the first that does not
// fit as the profile stands, and the third, which comes after it.
struct TwoChanges {
  std::vector<ProfileSound> Sounds{{"/m/a.wav", 100, {80000, 8000, 1}},
                                   {"/m/big.wav", 100, {80000, 8000, 1}},
                                   {"/m/c.wav", 100, {80000, 8000, 1}},
                                   {"/m/d.wav", 100, {80000, 8000, 1}}};
  FitPlan Plan;

  explicit TwoChanges(ChangeReason firstReason) {
    Plan.Fits = true;
    Plan.BitRateKbps = 64;
    Plan.FirstLeftOut = 1;
    for (const auto& [index, reason] :
         {std::pair{std::size_t{1}, firstReason}, {std::size_t{2}, ChangeReason::LeftOut}}) {
      SoundEdit edit;
      edit.EndSeconds = 10;
      edit.Output.BitRateKbps = 64;
      Plan.Changes.push_back({index, Sounds[index].Path, edit, 100, 50, reason});
    }
  }
  std::string Question() const { return FitPlanQuestion(Plan, Sounds); }
};

}  // namespace

TEST(FitPlanText, EachChangedSoundNamesTheRuleThatLeavesItOut) {
  const std::string afterFull = TwoChanges(ChangeReason::LeftOut).Question();
  EXPECT_NE(afterFull.find("big.wav: 10.0 s, mono, 64 kbit/s, 100 \u2192 50 bytes (it does not "
                           "fit: the sounds before it leave too little room in the unit's "
                           "memories)\n"),
            std::string::npos)
      << afterFull;
  EXPECT_NE(afterFull.find("c.wav: 10.0 s, mono, 64 kbit/s, 100 \u2192 50 bytes (it is left out: "
                           "the sounds before it fill the unit's memories (\"big.wav\" was the "
                           "first that did not fit))\n"),
            std::string::npos)
      << afterFull;

  const std::string afterTooLarge = TwoChanges(ChangeReason::LargerThanEveryMemory).Question();
  EXPECT_NE(afterTooLarge.find("(it is larger than each of the unit's memories)\n"),
            std::string::npos)
      << afterTooLarge;
  EXPECT_NE(afterTooLarge.find("c.wav: 10.0 s, mono, 64 kbit/s, 100 \u2192 50 bytes (it is left "
                               "out: sounds go into the unit in their order, and \"big.wav\" "
                               "before it fits in no memory)\n"),
            std::string::npos)
      << afterTooLarge;
}
