// A programming run of 2 MiB through the real driver, libftdi1 and libusb into
// the emulated programmer of the tests, in umockdev's test bed (run it under
// umockdev-wrapper); the chip's latency timer holds short packets back as a
// real chip does. Reports the USB transfers per MiB of song data; the run's
// time over a bus that takes no time (the cost of the host and of the
// emulation); and over a bus of 1 MB/s, against the time its bytes need there
// plus the pause the sequence makes, the time of writing, of the quick check
// and of full verification, full verification against writing, and the whole
// runs (bench/programming_run holds --simulate's against them).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "device/FtdiDriver.h"
#include "device/ProgrammingSequence.h"
#include "device/UnitProbe.h"
#include "support/EmulatedProgrammer.h"
#include "support/SongFolder.h"

namespace {

constexpr int Songs = 8;
// Eight songs and their song-table entries fill the 2 MiB memory.
constexpr std::size_t SongSize = 256 * 1024 - 32;
constexpr double MiB = 1024.0 * 1024.0;
constexpr double BusBytesPerSecond = 1'000'000;

// When the run turned from writing to reading back.
struct PhaseClock final : ProgrammingObserver {
  void PhaseBegun(RunPhase phase, int) override {
    if (phase == RunPhase::Verifying) VerifyingFrom = std::chrono::steady_clock::now();
  }
  void BytesMoved(std::uint64_t, std::uint64_t) override {}
  void ProgrammerLost() override {}
  std::chrono::steady_clock::time_point VerifyingFrom;
};

// The system clock, counting the pauses the sequence makes.
struct PauseCountingClock final : Clock {
  std::int64_t NowMilliseconds() override { return system.NowMilliseconds(); }
  void Sleep(std::chrono::milliseconds duration) override {
    Paused += duration;
    system.Sleep(duration);
  }
  SystemClock system;
  std::chrono::milliseconds Paused{0};
};

struct Run {
  ProgrammingResult Result;
  double Seconds = 0;
  double WritingSeconds = 0;  // with the pause, up to the first read-back
  double VerifyingSeconds = 0;
  double PauseSeconds = 0;
  EmulatedProgrammer::TransferCounts Transfers;
};

Run ProgramThroughTheEmulatedProgrammer(ProgrammingJob job, double busBytesPerSecond) {
  EmulatedUsbBus bus;
  EmulatedProgrammer programmer(bus, {0xA9D0, "QVT2 USB Programmer", 2}, UnitModel::StandardUnit());
  programmer.SetBusSpeed(busBytesPerSecond);
  programmer.Plug();
  FtdiDriver driver;
  DeviceLink link(driver);
  PhaseClock phases;
  UnitProbe(link, job.Status).ProbeUnit();
  std::vector<std::int64_t> sizes;
  for (const ProgramRow& row : job.Rows) sizes.push_back(row.Size);
  job.Packing = PackSounds(sizes, job.Status);
  programmer.ClearRecords();
  PauseCountingClock clock;
  Run run;
  const auto start = std::chrono::steady_clock::now();
  run.Result = ProgrammingSequence(job, link, clock, phases).ProgramUnit();
  const auto end = std::chrono::steady_clock::now();
  run.Seconds = std::chrono::duration<double>(end - start).count();
  run.WritingSeconds = std::chrono::duration<double>(phases.VerifyingFrom - start).count();
  run.VerifyingSeconds = std::chrono::duration<double>(end - phases.VerifyingFrom).count();
  run.PauseSeconds = std::chrono::duration<double>(clock.Paused).count();
  run.Transfers = programmer.Transfers();
  return run;
}

bool UnderUmockdevWrapper() {
  const char* preload = std::getenv("LD_PRELOAD");
  return preload != nullptr &&
         std::string(preload).find("libumockdev-preload") != std::string::npos;
}

}  // namespace

int main() {
  if (!UnderUmockdevWrapper()) {
    std::fprintf(stderr, "Run this benchmark under umockdev-wrapper.\n");
    return 2;
  }
  SongFolder folder;
  ProgrammingJob job;
  for (int song = 0; song < Songs; ++song) {
    const std::string name = "song" + std::to_string(song) + ".wav";
    folder.Write(name, SongSize);
    job.Rows.push_back({name, folder.Directory(), SongSize});
  }
  job.ButtonOneSoundCount = Songs;
  job.ProfileNumber = 7;
  const double data = Songs * SongSize / MiB;

  job.Verify = Verification::Quick;
  const Run instant = ProgramThroughTheEmulatedProgrammer(job, 0);
  const Run timed = ProgramThroughTheEmulatedProgrammer(job, BusBytesPerSecond);
  job.Verify = Verification::Full;
  const Run full = ProgramThroughTheEmulatedProgrammer(job, BusBytesPerSecond);
  std::printf("through the emulated programmer: %.2f MiB of song data\n", data);
  for (const auto& [name, run] : {std::pair("bus without time, quick check", &instant),
                                  std::pair("bus at 1 MB/s, quick check", &timed),
                                  std::pair("bus at 1 MB/s, full verification", &full)}) {
    const EmulatedProgrammer::TransferCounts& transfers = run->Transfers;
    std::printf(
        "  %s: result %d, USB transfers per MiB: %.0f control, %.0f bulk out, %.0f bulk "
        "in, %.0f in all\n",
        name, static_cast<int>(run->Result.Code), transfers.Control / data, transfers.BulkOut / data,
        transfers.BulkIn / data, (transfers.Control + transfers.BulkOut + transfers.BulkIn) / data);
  }
  std::printf("  bus without time: run %.3f s, %.3f s of it the pause\n", instant.Seconds,
              instant.PauseSeconds);
  const double bound =
      static_cast<double>(timed.Transfers.BulkBytes) / BusBytesPerSecond + timed.PauseSeconds;
  std::printf(
      "  bus at 1 MB/s: run %.3f s against %.3f s for its %llu bytes and the pause: %.0f%% "
      "longer\n",
      timed.Seconds, bound, static_cast<unsigned long long>(timed.Transfers.BulkBytes),
      (timed.Seconds / bound - 1) * 100);
  const double fullTransfers =
      full.Transfers.Control + full.Transfers.BulkOut + full.Transfers.BulkIn;
  const double quickTransfers =
      timed.Transfers.Control + timed.Transfers.BulkOut + timed.Transfers.BulkIn;
  std::printf(
      "  bus at 1 MB/s: writing %.3f s, quick check %.3f s, full verification %.3f s "
      "(%.2f x the writing), %.1f USB transfers per KiB read back\n",
      full.WritingSeconds, timed.VerifyingSeconds, full.VerifyingSeconds,
      full.VerifyingSeconds / full.WritingSeconds,
      (fullTransfers - quickTransfers) / (data * 1024));
  std::printf("  bus at 1 MB/s: whole run with the quick check %.3f s, with full verification %.3f s\n",
              timed.Seconds, full.Seconds);
  return instant.Result.Succeeded() && timed.Result.Succeeded() && full.Result.Succeeded() ? 0 : 1;
}
