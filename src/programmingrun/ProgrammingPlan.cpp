#include "programmingrun/ProgrammingPlan.h"

#include <algorithm>
#include <iterator>
#include <set>

#include "diagnostics/LogCategories.h"
#include "profiles/SoundEntry.h"
#include "profiles/SoundFormat.h"

std::int64_t PlannedSound::Size() const {
  return ReadSizeText(SizeText);
}

std::vector<int> ProgrammingPlan::ButtonsLeftEmpty() const {
  std::set<int> listed, written;
  for (std::size_t row = 0; row < Sounds.size(); ++row) {
    listed.insert(Sounds[row].Button);
    if (row < FittingCount()) written.insert(Sounds[row].Button);
  }
  std::vector<int> empty;
  std::set_difference(listed.begin(), listed.end(), written.begin(), written.end(),
                      std::back_inserter(empty));
  return empty;
}

ProgrammingJob ProgrammingPlan::Job() const {
  ProgrammingJob job;
  for (const PlannedSound& sound : Sounds) {
    job.Rows.push_back({sound.FileName, sound.Directory, sound.Size()});
  }
  job.ButtonOneSoundCount = ButtonOneSoundCount;
  job.Status = Unit;
  job.ProfileNumber = ProfileNumber;
  job.Packing = Packing;
  job.Verify = Verify;
  return job;
}

ProgrammingPlan PlanProgramming(const std::string& profileName, const SongProfile& profile,
                                int profileNumber, const UnitStatus& unit) {
  ProgrammingPlan plan{profileName, {}, 0, profileNumber, unit, {}};
  std::vector<std::int64_t> sizes;
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    const ButtonSlot& button = profile.Buttons[slot];
    if (!button.Present) continue;
    for (const SoundEntry& sound : button.Sounds) {
      plan.Sounds.push_back({sound.FileName, sound.SizeText, sound.Directory, slot + 1});
      sizes.push_back(sound.Size());
    }
    if (slot == 0) plan.ButtonOneSoundCount = static_cast<int>(button.Sounds.size());
  }
  plan.Packing = PackSounds(sizes, unit);
  return plan;
}

std::vector<std::string> SoundsThatDoNotDecode(const ProgrammingPlan& plan) {
  std::vector<std::string> names;
  for (const PlannedSound& sound : plan.Sounds) {
    if (DecodeSound(sound.FullPath())) continue;
    qCInfo(SoundLogging, "%s does not decode as an MP3 or WAV sound", sound.FullPath().c_str());
    names.push_back(sound.FileName);
  }
  return names;
}
