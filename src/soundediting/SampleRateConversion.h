#pragma once

#include "soundediting/Sound.h"

// Resamples the sound to sampleRate with libsamplerate's medium-quality sinc
// converter. Throws SoundFileError when libsamplerate refuses, as it does a
// ratio beyond 256 either way.
void ConvertSampleRate(Sound& sound, int sampleRate);

// How many frames ConvertSampleRate makes of `frames` frames.
std::int64_t ConvertedFrameCount(std::int64_t frames, int fromRate, int toRate);
