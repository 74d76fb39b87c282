#pragma once

#include <optional>
#include <string>

#include "profiles/SongProfile.h"

// The entry for a file that the editor adds to a list: a file that opens,
// whose name the list does not hold yet (compared exactly; the folder plays
// no part), while the list has room. Otherwise nothing is added, silently.
std::optional<SoundEntry> SoundToAdd(const ButtonSlot& list, const std::string& path);
