#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device/UnitStatus.h"
#include "profiles/SoundFormat.h"
#include "soundediting/SoundEdit.h"
#include "soundediting/SoundFileError.h"
#include "soundediting/WorkControl.h"

// "Make It Fit": a plan, shown before anything is written, that changes as few
// of a profile's sounds as it can, as little as it can, so that every sound
// fits into the unit's memories in programming order.
//
// The fewest sounds first: among the choices of sounds that make the profile
// fit, one that changes the fewest, then the highest bit rate for them, then,
// of such choices, one that leaves alone as many as it can of the sounds that
// fit as the profile stands (they are the ones the user sees fitting).
//
// The quality order. A changed sound is written as MP3 at a constant bit rate,
// and such a file is as large in mono as in stereo; mono spends the whole rate
// on the one signal, while a door chime heard across a hallway has no stereo
// image left to keep. So every changed sound is mono, and quality falls with
// the bit rate alone: the plan takes the highest bit rate, common to all the
// sounds it changes, at which everything fits.

// A sound of the profile, in programming order.
struct ProfileSound {
  std::string Path;
  std::int64_t SizeBytes = 0;
  SoundFormat Format;  // as MeasureSound reads it: at its true length
};

// Why the plan changes a sound, by the packing of the profile as it stands.
enum class ChangeReason {
  // Larger than each of the unit's memories: it fits nowhere as it is.
  LargerThanEveryMemory,
  // It would fit a memory, but the sounds before it fill the memories.
  LeftOut,
  // It fits as it is, and made smaller it makes room for the sounds after it.
  MakesRoom,
};

// One sound the plan changes: the whole of it, or its first seconds when the
// plan may shorten sounds, written as mono MP3 at the plan's bit rate.
struct SoundChange {
  std::size_t Index = 0;  // in programming order
  std::string SourcePath;
  SoundEdit Edit;
  std::int64_t OldBytes = 0;
  std::int64_t NewBytes = 0;
  ChangeReason Reason = ChangeReason::LeftOut;
};

struct FitPlan {
  // Every sound fits once the changes are made (with no change when they
  // already do).
  bool Fits = false;
  int BitRateKbps = 0;               // of every change; 0 without changes
  std::vector<SoundChange> Changes;  // in programming order
  // When nothing fits even at 32 kbit/s: the first sound that still does not.
  std::optional<std::size_t> Cause;
  // Of a plan that fits: the first sound that does not fit as the profile
  // stands, which the sounds changed to make room make room for.
  std::optional<std::size_t> FirstLeftOut;
};

// A sound the plan shortens fades out over its last second instead of
// stopping with a click.
inline constexpr double ShortenedFadeOutSeconds = 1.0;

// Plans the changes for the unit's memories as last probed; with maxSeconds
// (above 0), a changed sound keeps at most that many seconds from its start. A
// sound is changed only where that makes it smaller.
FitPlan PlanToFit(std::span<const ProfileSound> sounds, const UnitStatus& unit,
                  std::optional<double> maxSeconds = std::nullopt);

// Writes every change of the plan as a new file (see WriteEditedSound), up to
// `writers` at once, each on a thread of its own (0: as many as the machine
// has cores), and returns their paths in the order of the changes; originals
// are only read. Progress runs over all the changes, weighed by their
// seconds, and is told from one thread at a time. On a failure or cancel,
// every file written is removed before SoundFileError or WorkCancelled is
// thrown; after a failure no further sound is begun. Runs on any thread.
std::vector<std::string> ApplyFitPlan(const FitPlan& plan, const std::string& musicFolder,
                                      const WorkControl& control = {}, int writers = 0);
