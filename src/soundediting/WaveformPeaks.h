#pragma once

#include <string>
#include <vector>

#include "soundediting/SoundFileError.h"

// The lowest and highest sample, of any channel, in one stretch of a sound.
struct PeakRange {
  float Min = 0;
  float Max = 0;
};

// A sound file's waveform at the width of a display: bucketCount equal
// stretches of its time, each with its PeakRange; a stretch without samples
// is 0 to 0. Takes about a third of a second for a five-minute MP3 and uses
// every core it is given: call it off the GUI thread. Throws SoundFileError.
std::vector<PeakRange> ComputeWaveformPeaks(const std::string& path, int bucketCount);
