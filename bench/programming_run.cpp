// A full programming run of eight 2 MiB memories (device code 0x41), each
// filled with eight songs of 256 KiB less 32 bytes, so that a song and its
// entry in the song table fit eight times into a memory of 2 MiB less one
// byte. First against the simulated unit over an instant link: host CPU time
// per MiB, driver calls and peak memory. Then over a link throttled to 1 MB/s:
// the run's time against the bytes on the wire plus the mandated pauses.
// Last, the programmer of --simulate at its cable's pace: the time of 2 MiB
// (eight of the songs into its 2 MiB memory) with the quick check and with
// full verification, to hold against bench/usb_programming_run's whole runs.
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <optional>

#include "SongFiles.h"
#include "ThrottledDriver.h"
#include "device/PacedDriver.h"
#include "device/ProgrammingSequence.h"
#include "device/SimulatedUnit.h"
#include "device/UnitProbe.h"

namespace {

constexpr int Memories = 8;
constexpr int SongsPerMemory = 8;
constexpr std::size_t SongSize = 256 * 1024 - 32;
constexpr double MiB = 1024.0 * 1024.0;
constexpr double FullSpeedFifoBytesPerSecond = 1'000'000;
// The programmer chip's buffer for bytes from the host.
constexpr std::size_t ChipBufferBytes = 256;

struct Silent final : ProgrammingObserver {
  void PhaseBegun(RunPhase, int) override {}
  void BytesMoved(std::uint64_t, std::uint64_t) override {}
  void ProgrammerLost() override {}
};

std::vector<ProgramRow> RowsOf(const SongFiles& songs) {
  std::vector<ProgramRow> rows;
  for (int song = 0; song < songs.Count(); ++song) {
    rows.push_back({SongFiles::Name(song), songs.Directory(), SongSize});
  }
  return rows;
}

std::unique_ptr<SimulatedUnit> FullUnit() {
  auto unit = std::make_unique<SimulatedUnit>();
  for (int slot = 0; slot < Memories; ++slot) unit->InstallMemory(slot, 0x41);
  unit->RecordWrites(false);
  return unit;
}

// Probes the unit over the link, as the page does, and lists every song.
ProgrammingJob JobFor(DeviceLink& link, const SongFiles& songs) {
  Silent silent;
  ProgrammingJob job;
  UnitProbe(link, job.Status).ProbeUnit();
  job.Rows = RowsOf(songs);
  job.ButtonOneSoundCount = static_cast<int>(job.Rows.size());
  job.ProfileNumber = 7;
  const std::vector<std::int64_t> sizes(job.Rows.size(), SongSize);
  job.Packing = PackSounds(sizes, job.Status);
  return job;
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](timeval time) { return time.tv_sec + time.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

std::size_t ResidentBytes() {
  long total = 0;
  long resident = 0;
  std::ifstream("/proc/self/statm") >> total >> resident;
  return static_cast<std::size_t>(resident) * sysconf(_SC_PAGESIZE);
}

std::size_t PeakResidentBytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<std::size_t>(usage.ru_maxrss) * 1024;
}

bool RunOverInstantLink(const SongFiles& songs) {
  auto unit = FullUnit();
  DeviceLink link(*unit);
  const ProgrammingJob job = JobFor(link, songs);
  SystemClock clock;
  Silent silent;
  unit->ClearTraffic();
  const std::size_t residentBefore = ResidentBytes();
  const double cpuBefore = CpuSeconds();
  const ProgrammingResult result = ProgrammingSequence(job, link, clock, silent).ProgramUnit();
  const double cpuMs = (CpuSeconds() - cpuBefore) * 1000;
  // The simulated flash images live in this process too; they are the
  // unit's memory, not the host's.
  const double hostPeak =
      static_cast<double>(PeakResidentBytes()) - residentBefore - unit->StoredBytes();

  const double data = static_cast<double>(Memories * SongsPerMemory * SongSize);
  const SimulatedTraffic& calls = unit->Traffic();
  std::printf("instant link: result %d, %.2f MiB of song data\n", static_cast<int>(result.Code),
              data / MiB);
  std::printf("  host CPU time %.1f ms, %.2f ms per MiB (target: at most 5)\n", cpuMs,
              cpuMs / (data / MiB));
  std::printf("  driver calls: %d list, %d open, %d purge, %d close, %d write, %d read\n",
              calls.ListCalls, calls.OpenCalls, calls.PurgeCalls, calls.CloseCalls,
              calls.WriteCalls, calls.ReadCalls);
  const double oneMemory = static_cast<double>(SongsPerMemory * SongSize);
  std::printf(
      "  peak host memory %.2f MiB over the start (target: one memory's data %.2f MiB "
      "+ 8 MiB = %.2f MiB)\n",
      hostPeak / MiB, oneMemory / MiB, oneMemory / MiB + 8);
  return result.Succeeded();
}

bool RunOverFullSpeedLink(const SongFiles& songs) {
  auto unit = FullUnit();
  ThrottledDriver link1MBs(*unit, FullSpeedFifoBytesPerSecond, ChipBufferBytes);
  DeviceLink link(link1MBs);
  const ProgrammingJob job = JobFor(link, songs);
  SystemClock clock;
  Silent silent;
  const std::uint64_t bytesBefore = link1MBs.BytesOnTheWire();
  const auto start = std::chrono::steady_clock::now();
  const ProgrammingResult result = ProgrammingSequence(job, link, clock, silent).ProgramUnit();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double bytes = static_cast<double>(link1MBs.BytesOnTheWire() - bytesBefore);
  const double bound = bytes / FullSpeedFifoBytesPerSecond +
                       Memories * std::chrono::duration<double>(DataPause).count();
  std::printf("link at 1 MB/s: result %d, %.0f bytes on the wire\n", static_cast<int>(result.Code),
              bytes);
  std::printf(
      "  run %.3f s against %.3f s for the bytes and the pauses: %.2f%% longer "
      "(target: at most 3%%)\n",
      seconds, bound, (seconds / bound - 1) * 100);
  return result.Succeeded();
}

// Seconds of one run of the first eight songs, or nothing when it failed.
std::optional<double> SecondsAtCablePace(const SongFiles& songs, Verification verify) {
  SystemClock clock;
  std::unique_ptr<ProgrammerDriver> programmer = SimulatedProgrammerAtCablePace(clock);
  DeviceLink link(*programmer);
  ProgrammingJob job;
  UnitProbe(link, job.Status).ProbeUnit();
  job.Rows = RowsOf(songs);
  job.Rows.resize(SongsPerMemory);
  job.ButtonOneSoundCount = SongsPerMemory;
  job.Packing = PackSounds(std::vector<std::int64_t>(SongsPerMemory, SongSize), job.Status);
  job.Verify = verify;
  Silent silent;
  const auto start = std::chrono::steady_clock::now();
  const ProgrammingResult result = ProgrammingSequence(job, link, clock, silent).ProgramUnit();
  if (!result.Succeeded()) return std::nullopt;
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

bool RunTheSimulatedUnitAtItsPace(const SongFiles& songs) {
  const std::optional<double> quick = SecondsAtCablePace(songs, Verification::Quick);
  const std::optional<double> full = SecondsAtCablePace(songs, Verification::Full);
  if (!quick || !full) return false;
  std::printf("--simulate at its cable's pace: %.2f MiB of song data\n",
              SongsPerMemory * SongSize / MiB);
  std::printf(
      "  run with the quick check %.3f s, with full verification %.3f s (target: each within "
      "25%% of bench/usb_programming_run's whole runs at 1 MB/s)\n",
      *quick, *full);
  return true;
}

}  // namespace

int main() {
  const SongFiles songs(Memories * SongsPerMemory, SongSize);
  const bool instant = RunOverInstantLink(songs);
  const bool fullSpeed = RunOverFullSpeedLink(songs);
  const bool simulated = RunTheSimulatedUnitAtItsPace(songs);
  return instant && fullSpeed && simulated ? 0 : 1;
}
