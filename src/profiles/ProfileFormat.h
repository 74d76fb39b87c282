#pragma once

#include <cstdint>
#include <string>

#include "profiles/IniFile.h"
#include "profiles/SongProfile.h"

// Profile files hold some kilobytes, a few megabytes at the very most; a
// larger file is no profile and is neither read nor changed.
constexpr std::int64_t MaxProfileFileBytes = std::int64_t{128} << 20;

// The layout of a profile file: section "Profile" with "ID" and "NumButtons",
// then per present slot k a section "Button" + k with "NumSounds" and
// "Sound0" onward holding full paths.

// Writes the present slots under the given number, in the file's order.
void WriteProfileKeys(IniFile& file, const SongProfile& profile, int number);

// A file holding a "Profile" section is in the current format, with or
// without its number; any other file is an old plain list.
bool IsCurrentFormat(const IniFile& file);
int StoredProfileNumber(const IniFile& file);
// The counts as far as they make sense: buttons 0..8, sounds 0 and above.
int StoredButtonCount(const IniFile& file);
int StoredSoundCount(const IniFile& file, int slot);
std::string StoredSoundPath(const IniFile& file, int slot, int index);
