#pragma once

#include "soundediting/OutputFormat.h"
#include "soundediting/Sound.h"
#include "soundediting/WorkControl.h"

// Writes the sound into the open, empty file `descriptor` (which stays open):
// MPEG Layer III at the format's constant bit rate, or 16-bit PCM WAV. The
// sound must already have the rate OutputSampleRate gives. Reports progress
// and honours the cancel flag after every second of sound. Throws
// SoundFileError naming `path`, or WorkCancelled.
void EncodeSound(int descriptor, const std::string& path, const Sound& sound,
                 const OutputFormat& format, const WorkControl& control);
