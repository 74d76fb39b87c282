#pragma once

#include <optional>
#include <string>

#include "profiles/SongProfile.h"

// What adding one file to a list comes to: the entry to append, or none.
struct SoundAddition {
  std::optional<SoundEntry> Sound;
  // The file opens but does not decode as an MP3 or WAV sound.
  bool NotASound = false;
};

// A file joins a list when it opens, decodes as an MP3 or WAV sound, and the
// list has room and does not hold its name yet (compared exactly; the folder
// plays no part). A file that opens but is no sound is told apart; the other
// refusals are silent.
SoundAddition SoundToAdd(const ButtonSlot& list, const std::string& path);
