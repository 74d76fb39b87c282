#include "device/PacedDriver.h"

#include <gtest/gtest.h>

#include "device/ProgrammingSequence.h"
#include "device/SimulatedUnit.h"
#include "device/UnitProbe.h"
#include "support/ManualClock.h"
#include "support/SongFolder.h"

namespace {

struct Silent final : ProgrammingObserver {
  void PhaseBegun(RunPhase, int) override {}
  void BytesMoved(std::uint64_t, std::uint64_t) override {}
  void ProgrammerLost() override {}
};

// The seconds a run of eight songs filling the 2 MiB memory of the --simulate
// unit takes on its clock.
double SecondsToProgramTwoMebibytes(Verification verify) {
  constexpr std::int64_t SongSize = 256 * 1024 - 32;
  ManualClock clock;
  std::unique_ptr<ProgrammerDriver> programmer = SimulatedProgrammerAtCablePace(clock);
  DeviceLink link(*programmer);
  ProgrammingJob job;
  UnitProbe(link, job.Status).ProbeUnit();
  SongFolder songs;
  std::vector<std::int64_t> sizes;
  for (int song = 0; song < 8; ++song) {
    const std::string name = "song" + std::to_string(song) + ".wav";
    songs.Write(name, SongSize);
    job.Rows.push_back({name, songs.Directory(), SongSize});
    sizes.push_back(SongSize);
  }
  job.ButtonOneSoundCount = 8;
  job.Packing = PackSounds(sizes, job.Status);
  job.Verify = verify;
  Silent silent;
  const std::int64_t start = clock.Now;
  EXPECT_TRUE(ProgrammingSequence(job, link, clock, silent).ProgramUnit().Succeeded());
  return static_cast<double>(clock.Now - start) / 1000;
}

}  // namespace

// The figures the help pages and the manual give for --simulate.
TEST(PacedDriver, TwoMebibytesTakeAboutThreeSecondsAndFullVerificationAboutSixMore) {
  const double quick = SecondsToProgramTwoMebibytes(Verification::Quick);
  const double full = SecondsToProgramTwoMebibytes(Verification::Full);
  EXPECT_NEAR(quick, 2.8, 0.3);
  EXPECT_NEAR(full - quick, 6.2, 0.6);
}
