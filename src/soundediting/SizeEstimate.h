#pragma once

#include <cstdint>

#include "profiles/SoundFormat.h"
#include "soundediting/OutputFormat.h"
#include "soundediting/SoundEdit.h"

// The bytes of the file that sound of this format (after any mixing down and
// resampling) makes when written as `output`, frame-exact for MP3 as LAME
// writes it; 0 for no frames, which are not written (WriteEditedSound refuses
// them).
std::int64_t EstimateFileBytes(const SoundFormat& written, const OutputFormat& output);

// The bytes of the file an edit of a sound of this format writes; follows the
// edit's settings as they change.
std::int64_t EstimateEditedBytes(const SoundFormat& source, const SoundEdit& edit);
