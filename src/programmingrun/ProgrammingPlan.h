#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "device/ProgrammingSequence.h"
#include "device/SoundPacking.h"
#include "device/UnitStatus.h"
#include "profiles/SongProfile.h"

// A sound of the programming list, with the button it belongs to.
struct PlannedSound {
  std::string FileName;
  std::string SizeText;   // as the list shows it
  std::string Directory;  // ends in "/"
  int Button = 1;         // 1 to 8

  std::int64_t Size() const;
  std::string FullPath() const { return Directory + FileName; }
};

// What a run of a profile on a unit would do: every sound of the present
// buttons, all of Btn1 first, packed once into the unit's memories.
struct ProgrammingPlan {
  std::string ProfileName;
  std::vector<PlannedSound> Sounds;
  int ButtonOneSoundCount = 0;
  // The profile file's number, which the memories store.
  int ProfileNumber = NoProfileId;
  UnitStatus Unit;
  SoundPacking Packing;
  Verification Verify = Verification::Full;

  std::size_t FittingCount() const { return Packing.FittingCount; }
  std::size_t LeftOutCount() const { return Sounds.size() - Packing.FittingCount; }
  // The buttons that have sounds and would get none written.
  std::vector<int> ButtonsLeftEmpty() const;
  ProgrammingJob Job() const;
};

ProgrammingPlan PlanProgramming(const std::string& profileName, const SongProfile& profile,
                                int profileNumber, const UnitStatus& unit);

