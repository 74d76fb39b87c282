// A programming run of 2 MiB through the real driver, libftdi1 and libusb into
// the emulated programmer of the tests, in umockdev's test bed (run it under
// umockdev-wrapper); the chip's latency timer holds short packets back as a
// real chip does. Reports the USB transfers per MiB of song data; the run's
// time over a bus that takes no time (the cost of the host and of the
// emulation); and over a bus of 1 MB/s, against the time its bytes need there
// plus the pause the sequence makes.
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

struct Silent final : ProgrammingObserver {
  void PhaseBegun(RunPhase, int) override {}
  void SongDataSent(std::size_t, std::size_t) override {}
  void ProgrammerLost() override {}
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
  Silent silent;
  UnitProbe(link, job.Status).ProbeUnit();
  std::vector<std::int64_t> sizes;
  for (const ProgramRow& row : job.Rows) sizes.push_back(row.Size);
  job.Packing = PackSounds(sizes, job.Status);
  programmer.ClearRecords();
  PauseCountingClock clock;
  Run run;
  const auto start = std::chrono::steady_clock::now();
  run.Result = ProgrammingSequence(job, link, clock, silent).ProgramUnit();
  run.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
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

  const Run instant = ProgramThroughTheEmulatedProgrammer(job, 0);
  const Run timed = ProgramThroughTheEmulatedProgrammer(job, BusBytesPerSecond);
  std::printf("through the emulated programmer: %.2f MiB of song data\n", data);
  for (const auto& [name, run] :
       {std::pair("bus without time", &instant), std::pair("bus at 1 MB/s", &timed)}) {
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
  return instant.Result.Succeeded() && timed.Result.Succeeded() ? 0 : 1;
}
