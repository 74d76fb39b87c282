#pragma once

#include <optional>
#include <string>

#include "profiles/SoundEntry.h"

// The parts of a full path: the name after the last "/", and the folder up to
// and including it.
std::string NamePart(const std::string& path);
std::string FolderPart(const std::string& path);
// The file name of a path as a profile stores it: profiles written on
// Windows separate folders with "\".
std::string StoredFileName(const std::string& path);

// The entry for a stored path when the file is there: its folder is the
// path's folder part when that folder exists, otherwise the current folder
// (where a path without a folder part was found).
std::optional<SoundEntry> FindStoredSound(const std::string& path);
// The entry for a file the user chose in a dialog.
std::optional<SoundEntry> ChosenSound(const std::string& path);
// The entry for a file of this name in the folder; its extension may differ
// in letter case.
std::optional<SoundEntry> FindSoundInFolder(const std::string& folder, const std::string& fileName);
