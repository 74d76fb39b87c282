#include "programmingrun/ProgrammingPlan.h"

#include <gtest/gtest.h>

#include "programmingrun/RunReport.h"

namespace {

// The unit of --simulate: memories of 2,097,151 and 262,143 bytes.
UnitStatus StandardUnit() {
  UnitStatus unit;
  unit.UnitPresent = true;
  unit.FirmwareVersion = "02.07";
  for (const auto& [slot, code] : {std::pair{0, 0x41}, {1, 0x43}}) {
    const RecognisedMemory& memory = *FindRecognisedMemory(code);
    unit.Slots[slot] = {memory.Capacity, memory.DeviceCode, memory.WriteCommand,
                        memory.WriteWidth, -1};
  }
  return unit;
}

// Btn1 and Btn3 of four present buttons hold sounds of these sizes.
SongProfile ProfileOf(std::initializer_list<int> buttonOne, std::initializer_list<int> buttonThree) {
  SongProfile profile;
  for (int slot = 0; slot < 4; ++slot) profile.Buttons[slot].Present = true;
  for (const int size : buttonOne) {
    profile.Buttons[0].Sounds.push_back({"one.mp3", std::to_string(size), "/a/"});
  }
  for (const int size : buttonThree) {
    profile.Buttons[2].Sounds.push_back({"three.wav", std::to_string(size), "/b/"});
  }
  return profile;
}

}  // namespace

TEST(ProgrammingPlan, TheJobListsEverySoundOfThePresentButtonsPackedOnce) {
  SongProfile profile = ProfileOf({1000, 2000}, {3000});
  profile.Buttons[5].Sounds.push_back({"absent.mp3", "10", "/c/"});
  const ProgrammingPlan plan = PlanProgramming("Hall", profile, 7, StandardUnit());
  const ProgrammingJob job = plan.Job();
  ASSERT_EQ(job.Rows.size(), 3u) << "an absent button's sound is no part of it";
  EXPECT_EQ(job.Rows[2].FullPath(), "/b/three.wav");
  EXPECT_EQ(job.Rows[2].Size, 3000);
  EXPECT_EQ(plan.Sounds[2].Button, 3) << "the button's own number";
  EXPECT_EQ(job.ButtonOneSoundCount, 2);
  EXPECT_EQ(job.ProfileNumber, 7);
  EXPECT_EQ(job.Packing.FittingCount, 3u);
  EXPECT_EQ(job.Packing.Memories.size(), 2u);
  EXPECT_EQ(job.Packing.Memories[1].Used, 0) << "the narrow memory receives nothing";
  EXPECT_EQ(job.Verify, Verification::Full) << "every byte is read back unless asked otherwise";
}

TEST(ProgrammingPlan, ARunThatLeftSoundsOutIsReportedWithTheButtonsLeftEmpty) {
  // The large sound fits nowhere: it and Btn3's sound are left out.
  const ProgrammingPlan plan =
      PlanProgramming("Hall", ProfileOf({1000, 3000000}, {3000}), 7, StandardUnit());
  EXPECT_EQ(plan.LeftOutCount(), 2u);
  EXPECT_EQ(plan.ButtonsLeftEmpty(), std::vector<int>{3}) << "Btn1 keeps its first sound";
  const RunReport report = ReportRun({ProgrammingCode::Succeeded, 2}, 2500, plan);
  EXPECT_EQ(report.Tone, RunTone::SoundsLeftOut);
  EXPECT_EQ(report.Text,
            "Success! 2.5 seconds (2 sounds did not fit and were not written)\n"
            "Btn3 has no sound on the unit");
  EXPECT_EQ(report.ExitStatus, 9);
  const RunReport failed = ReportRun({ProgrammingCode::SongDataRefused}, 2500, plan);
  EXPECT_EQ(std::tuple(failed.Tone, failed.Text, failed.ExitStatus),
            std::tuple(RunTone::Failure, std::string("ERROR -5."), 8));
}

TEST(ProgrammingPlan, ASongFileThatCouldNotBeReadIsNamedWithItsButton) {
  const ProgrammingPlan plan =
      PlanProgramming("Hall", ProfileOf({1000}, {3000}), 7, StandardUnit());
  const RunReport report =
      ReportRun({ProgrammingCode::SongFileUnreadable, 0, std::nullopt, 1}, 100, plan);
  EXPECT_EQ(report.Text,
            "ERROR -2.\nBtn3 \u00b7 three.wav could not be read: it is missing, unreadable, or no "
            "longer 3,000 bytes");
}
