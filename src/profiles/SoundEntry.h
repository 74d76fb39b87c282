#pragma once

#include <cstdint>
#include <string>

#include "device/SoundOverhead.h"

// One sound file on a button, held as the list shows it.
struct SoundEntry {
  std::string FileName;   // name with extension, without folder
  std::string SizeText;   // the file's size in bytes, as decimal text
  std::string Directory;  // the folder, ending in "/"
  bool Checked = false;   // marked for removal; not stored in the file

  std::string FullPath() const { return Directory + FileName; }
  std::int64_t Size() const;
  // Bytes the sound takes on the unit.
  std::int64_t Need() const { return Size() + SoundOverheadBytes; }
};

// A size text read as a decimal number: leading white space and a sign are
// allowed, reading stops at the first character that is not a digit, text
// without digits gives 0. Values beyond 64 bits are held at the limit.
std::int64_t ReadSizeText(const std::string& sizeText);
