#include "programmingrun/RunPreflight.h"

#include <algorithm>

#include "diagnostics/LogCategories.h"
#include "profiles/FileAccess.h"
#include "profiles/SoundFormat.h"

namespace {

class DiskJudge final : public SoundFileJudge {
 public:
  bool IsThere(const PlannedSound& sound) override { return IsRegularFile(sound.FullPath()); }
  bool IsSound(const PlannedSound& sound) override {
    return DecodeSound(sound.FullPath()).has_value();
  }
};

}  // namespace

SoundFileJudge& DiskSoundFiles() {
  static DiskJudge judge;
  return judge;
}

bool RunPreflight::Has(RunObstacle obstacle) const {
  return std::ranges::find(Obstacles, obstacle) != Obstacles.end();
}

bool RunPreflight::RefusesProfile() const {
  return Has(RunObstacle::MissingFiles) || Has(RunObstacle::NotSounds);
}

RunPreflight CheckBeforeRun(const ProgrammingPlan& plan, const std::optional<ProbeReport>& probe,
                            SoundFileJudge& files) {
  RunPreflight preflight;
  for (std::size_t row = 0; row < plan.Sounds.size(); ++row) {
    const PlannedSound& sound = plan.Sounds[row];
    if (!files.IsThere(sound)) {
      qCInfo(SoundLogging, "%s is missing", sound.FullPath().c_str());
      preflight.MissingRows.push_back(row);
    } else if (!files.IsSound(sound)) {
      qCInfo(SoundLogging, "%s does not decode as an MP3 or WAV sound", sound.FullPath().c_str());
      preflight.NotSoundRows.push_back(row);
    }
  }
  const auto add = [&preflight](RunObstacle obstacle, bool applies) {
    if (applies) preflight.Obstacles.push_back(obstacle);
  };
  const bool hasSounds = !plan.Sounds.empty();
  add(RunObstacle::MissingFiles, !preflight.MissingRows.empty());
  add(RunObstacle::NotSounds, !preflight.NotSoundRows.empty());
  if (probe) {
    const bool programmerFree = !probe->ProgrammerInUse && !probe->Programmer.empty();
    add(RunObstacle::ProgrammerInUse, probe->ProgrammerInUse);
    add(RunObstacle::NoProgrammer, !probe->ProgrammerInUse && probe->Programmer.empty());
    add(RunObstacle::NoUnit, programmerFree && !probe->Status.UnitPresent);
  }
  add(RunObstacle::NoSounds, !hasSounds);
  if (probe) {
    add(RunObstacle::NoMemory, hasSounds && plan.Unit.MemoryCount == 0);
    add(RunObstacle::NothingFits,
        hasSounds && plan.Unit.MemoryCount > 0 && plan.FittingCount() == 0);
  }
  return preflight;
}
