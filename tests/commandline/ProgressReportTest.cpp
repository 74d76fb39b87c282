#include "commandline/ProgressReport.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/ManualClock.h"

namespace {

constexpr std::int64_t MiB = 1024 * 1024;

}  // namespace

TEST(ProgressReport, OnATerminalOneLineFollowsBothMemoriesWithMiBAndTimeLeft) {
  ManualClock clock;
  std::ostringstream out;
  ProgressReport report(out, true, clock, {3 * MiB, 1 * MiB});
  report.Show(0);
  EXPECT_EQ(out.str(), "\r[------------------------------]   0 %  0.0 of 4.0 MiB  -:-- left\x1b[K");
  out.str({});
  clock.Now = 10000;
  report.Show(50);
  report.Show(50);  // the same line is not drawn again
  EXPECT_EQ(out.str(), "\r[###########-------------------]  37 %  1.5 of 4.0 MiB  0:17 left\x1b[K");
  report.Show(100);
  out.str({});
  clock.Now = 40000;
  report.Show(50);  // after 100 %, the second memory's half
  EXPECT_EQ(out.str(), "\r[##########################----]  87 %  3.5 of 4.0 MiB  0:06 left\x1b[K");
  out.str({});
  report.Finish();
  EXPECT_EQ(out.str(), "\n");
}

TEST(ProgressReport, ElsewhereALineAtEveryTenPercentOfTheWholeRun) {
  ManualClock clock;
  std::ostringstream out;
  ProgressReport report(out, false, clock, {1000, 1000});
  for (const int percent : {5, 30, 31}) report.Show(percent);
  EXPECT_EQ(out.str(), "Programming: 10 %\n") << "15 % of the run";
  out.str({});
  for (const int percent : {100, 10}) report.Show(percent);
  EXPECT_EQ(out.str(),
            "Programming: 20 %\nProgramming: 30 %\nProgramming: 40 %\n"
            "Programming: 50 %\n");
  out.str({});
  report.Show(100);
  report.Finish();
  EXPECT_EQ(out.str(),
            "Programming: 60 %\nProgramming: 70 %\nProgramming: 80 %\n"
            "Programming: 90 %\nProgramming: 100 %\n");
}
