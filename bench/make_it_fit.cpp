// Make It Fit applied to eight three-minute songs (44.1 kHz stereo MP3 at
// 192 kbit/s, 4.3 MB each) for a unit of eight 2 MiB memories: every song is
// rewritten, one to a memory (target 20 s), by one writer and then by as many
// writers as the machine has cores (target: 1.7 times as fast on two cores).
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <vector>

#include "SongMaking.h"
#include "Timing.h"
#include "soundediting/FitPlan.h"
#include "soundediting/SoundMeasure.h"

namespace {

UnitStatus EightLargeMemories() {
  UnitStatus unit;
  const RecognisedMemory* memory = FindRecognisedMemory(0x41);
  for (MemorySlot& slot : unit.Slots) {
    slot = {memory->Capacity, memory->DeviceCode, memory->WriteCommand, memory->WriteWidth, -1};
  }
  unit.MemoryCount = MemorySlotCount;
  unit.UnitPresent = true;
  return unit;
}

}  // namespace

int main() {
  const SoundFolder folder;
  const std::string first = folder.Song("song 1", 180, 192);
  std::vector<ProfileSound> sounds;
  for (int song = 1; song <= 8; ++song) {
    const std::string path = folder.Path() + "song " + std::to_string(song) + ".mp3";
    if (song > 1) std::filesystem::copy_file(first, path);
    sounds.push_back(
        {path, static_cast<std::int64_t>(std::filesystem::file_size(path)), MeasureSound(path)->Format});
  }
  FitPlan plan;
  const double planning = Milliseconds([&] { plan = PlanToFit(sounds, EightLargeMemories()); });
  std::printf("%-62s %9.2f ms\n", "Make It Fit, planning eight songs", planning);
  const unsigned cores = std::max(1U, std::thread::hardware_concurrency());
  double oneWriter = 0;
  for (const unsigned writers : {1U, cores}) {
    std::vector<std::string> written;
    const double applying = Milliseconds(
        [&] { written = ApplyFitPlan(plan, folder.Path(), {}, static_cast<int>(writers)); });
    for (const std::string& path : written) std::filesystem::remove(path);
    std::printf("%-62s %9.2f ms  (target 20000 ms: %s)\n",
                ("Make It Fit, writing eight songs (" + std::to_string(plan.Changes.size()) +
                 " changed, mono, " + std::to_string(plan.BitRateKbps) + " kbit/s), " +
                 std::to_string(writers) + (writers == 1 ? " writer" : " writers"))
                    .c_str(),
                applying, applying <= 20000 ? "met" : "MISSED");
    if (writers == 1) {
      oneWriter = applying;
    } else {
      const double speedUp = oneWriter / applying;
      std::printf("%-62s %9.2f x   (target 1.7 x on 2 cores: %s)\n",
                  ("Make It Fit, " + std::to_string(writers) + " writers against one").c_str(),
                  speedUp, speedUp >= 1.7 ? "met" : "MISSED");
    }
  }
}
