#pragma once

#include <limits>
#include <string>

#include "soundediting/Sound.h"
#include "soundediting/SoundFileError.h"

// The sound of an MP3 or WAV file (or any other file libsndfile reads) from
// fromSeconds to toSeconds, each rounded to the nearest frame and kept within
// the sound. Throws SoundFileError.
Sound DecodeSoundFile(const std::string& path, double fromSeconds = 0,
                      double toSeconds = std::numeric_limits<double>::infinity());
