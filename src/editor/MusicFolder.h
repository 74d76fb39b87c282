#pragma once

#include <string>

// The user's Music folder where it exists, else the home folder, ending in
// "/": where sound file dialogs open at first, and where new sounds go when
// the folder of their original cannot be written.
std::string MusicFolder();
