#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "device/UnitStatus.h"

// A sound as the search sees it: its size as it is, and its size once
// changed, where changing it would make it smaller.
struct SoundSizes {
  std::int64_t Now = 0;
  std::optional<std::int64_t> Changed;
};

// The fewest sounds to change so that every sound fits into the unit's
// memories in programming order (PackSounds), at most `mostChanges`; nothing
// when no such choice fits. Among choices of as many changes, one that
// changes the fewest of the first `keepFirst` sounds. Returns, per sound,
// whether it changes.
//
// The search follows the packing sound by sound and keeps, for each count of
// changes, only the place it has reached that is furthest back (memory, bytes
// used, sounds in it): from a place further back the packing never ends
// further on, so no better choice is lost. It takes time in proportion to the
// sounds times the counts kept.
std::optional<std::vector<bool>> FewestChanges(std::span<const SoundSizes> sounds,
                                               const UnitStatus& unit, std::size_t mostChanges,
                                               std::size_t keepFirst = 0);
