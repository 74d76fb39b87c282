#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "devicethread/ProbeReport.h"
#include "programmingrun/ProgrammingPlan.h"

// Why a plan must not be sent to the unit, in the order in which the front
// ends report them: the profile's own faults first, then the programmer and
// the unit, then what the unit can take.
enum class RunObstacle {
  MissingFiles,     // sounds whose files are not where the lists say
  NotSounds,        // files that do not decode as MP3 or WAV sounds
  ProgrammerInUse,  // another program holds the programmer
  NoProgrammer,
  NoUnit,           // a programmer, but no unit answers behind it
  NoSounds,         // the lists hold no sound
  NoMemory,         // the unit has no memory that the program knows
  NothingFits,      // not even the first sound fits into the unit's memories
};

// Whether a sound's file is there, and whether it decodes: from the disk, or
// from checks already made.
class SoundFileJudge {
 public:
  virtual ~SoundFileJudge() = default;
  virtual bool IsThere(const PlannedSound& sound) = 0;
  // Asked only of files that are there.
  virtual bool IsSound(const PlannedSound& sound) = 0;
};

// Looks at the files themselves, decoding each.
SoundFileJudge& DiskSoundFiles();

// Every reason not to send the plan, each once, in RunObstacle's order.
struct RunPreflight {
  std::vector<RunObstacle> Obstacles;
  // The rows of the plan's sounds that are missing, and that do not decode.
  std::vector<std::size_t> MissingRows;
  std::vector<std::size_t> NotSoundRows;

  bool Clear() const { return Obstacles.empty(); }
  bool Has(RunObstacle obstacle) const;
  // A fault of the profile itself: missing files or files that are no sounds.
  bool RefusesProfile() const;
};

// The one check before a run, for every front end: the plan (its sounds,
// packed into the unit it was made for) and the last probe of the link.
// Without a probe, only the lists are checked (their files, and that they
// hold a sound): the link is not touched for a profile that cannot go.
RunPreflight CheckBeforeRun(const ProgrammingPlan& plan, const std::optional<ProbeReport>& probe,
                            SoundFileJudge& files = DiskSoundFiles());
