#include "commandline/ProgressReport.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/ManualClock.h"

namespace {

constexpr std::int64_t MiB = 1024 * 1024;

}  // namespace

TEST(ProgressReport, OnATerminalOneLineFollowsTheWholeRunWithItsStepMiBAndTimeLeft) {
  ManualClock clock;
  std::ostringstream out;
  ProgressReport report(out, true, clock);
  report.Show(RunPhase::Writing, 0, 4 * MiB);
  EXPECT_EQ(out.str(),
            "\rWriting   [------------------------------]   0 %  0.0 of 4.0 MiB  -:-- left\x1b[K");
  out.str({});
  clock.Now = 10000;
  report.Show(RunPhase::Writing, 3 * MiB / 2, 4 * MiB);
  report.Show(RunPhase::Writing, 3 * MiB / 2, 4 * MiB);  // the same line is not drawn again
  EXPECT_EQ(out.str(),
            "\rWriting   [###########-------------------]  37 %  1.5 of 4.0 MiB  0:17 left\x1b[K");
  out.str({});
  clock.Now = 40000;
  report.Show(RunPhase::Verifying, 7 * MiB / 2, 4 * MiB);
  EXPECT_EQ(out.str(),
            "\rVerifying [##########################----]  87 %  3.5 of 4.0 MiB  0:06 left\x1b[K");
  out.str({});
  report.Finish();
  EXPECT_EQ(out.str(), "\n");
}

TEST(ProgressReport, ARunOfLessThanASecondHasAtMostASecondLeft) {
  ManualClock clock;
  std::ostringstream out;
  ProgressReport report(out, true, clock);
  clock.Now = 13;
  report.Show(RunPhase::Writing, 100, 1000);
  EXPECT_NE(out.str().find(" 0:01 left"), std::string::npos) << out.str();
}

TEST(ProgressReport, ElsewhereALineAtEveryTenPercentOfTheWholeRunNamingItsStep) {
  ManualClock clock;
  std::ostringstream out;
  ProgressReport report(out, false, clock);
  for (const int done : {50, 150, 190}) report.Show(RunPhase::Writing, done, 1000);
  EXPECT_EQ(out.str(), "Writing: 10 %\n");
  out.str({});
  report.Show(RunPhase::Verifying, 500, 1000);
  EXPECT_EQ(out.str(), "Verifying: 20 %\nVerifying: 30 %\nVerifying: 40 %\nVerifying: 50 %\n");
  out.str({});
  report.Show(RunPhase::Verifying, 1000, 1000);
  report.Finish();
  EXPECT_EQ(out.str(),
            "Verifying: 60 %\nVerifying: 70 %\nVerifying: 80 %\nVerifying: 90 %\n"
            "Verifying: 100 %\n");
}
