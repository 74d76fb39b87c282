#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
void WriteStoredProfileNumber(IniFile& file, int number);
// The counts as far as they make sense: buttons 0..8, sounds 0 and above.
int StoredButtonCount(const IniFile& file);
int StoredSoundCount(const IniFile& file, int slot);
std::string StoredSoundPath(const IniFile& file, int slot, int index);

// What a profile file lists, as loading reads it before it looks for any
// sound: its buttons, Btn1 to BtnN and no other, and the stored full path of
// each sound, in list order, as far as a full list goes.
struct ListedSounds {
  bool OldList = false;
  int ButtonCount = 0;
  std::array<std::vector<std::string>, ButtonSlotCount> Paths;
  int LeftOut = 0;  // the entries beyond a full list
};

// A file of the current format has at least one button, however few it says.
ListedSounds CurrentFormatSounds(const IniFile& file);
// The content of a profile file in either format and any of the encodings
// it is read in; no content at all reads as an old list without sounds.
// Nothing when the bytes are no profile: neither a "Profile" section nor
// text that an old list could be, one that names at least one sound and only
// sounds.
std::optional<ListedSounds> SoundsListedIn(std::string_view bytes);
// Text whose every line could be a path: no NUL and no control character
// but CR, LF and TAB, no line longer than a path can be.
bool CouldBeOldList(std::string_view bytes);
