#pragma once

#include <string>

// The folder of the user's profiles, ending in "/". A program folder with a
// Profiles/ folder of its own (a build, an unpacked program folder) keeps
// them there. An installed program folder has none and is not writable: the
// profiles then live in the user's data folder,
// ${XDG_DATA_HOME:-~/.local/share}/vantora-programmer/Profiles/, made when
// missing. Earlier releases kept them in that same folder.
std::string ProfilesFolderFor(const std::string& programFolder);
