#pragma once

#include <string>

#include "soundediting/PeakBuckets.h"

// The peaks of an MP3 file, decoded in parallel parts.
PeakBuckets ComputeMp3Peaks(const std::string& path, int bucketCount);
