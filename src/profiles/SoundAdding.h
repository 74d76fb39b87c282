#pragma once

#include <optional>
#include <string>

#include "profiles/SongProfile.h"

// Why a file did not join a list.
enum class AddRefusal {
  None,
  Unreadable,     // it does not open
  NotASound,      // it opens but does not decode as an MP3 or WAV sound
  AlreadyListed,  // the list holds a sound of its name
  ListFull,       // the list holds MaxSoundsPerButton sounds
};

// What adding one file to a list comes to: the entry to append, or why none.
struct SoundAddition {
  std::optional<SoundEntry> Sound;
  AddRefusal Refused = AddRefusal::None;
};

// A file joins a list when it opens, decodes as an MP3 or WAV sound, and the
// list does not hold its name yet (compared exactly; the folder plays no
// part) and has room. The first of these that fails is the refusal.
SoundAddition SoundToAdd(const ButtonSlot& list, const std::string& path);
