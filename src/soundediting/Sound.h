#pragma once

#include <cstdint>
#include <vector>

// Decoded sound: samples of all channels interleaved frame by frame, full
// scale at -1 and 1.
struct Sound {
  std::vector<float> Samples;
  int SampleRate = 0;
  int Channels = 0;

  std::int64_t Frames() const {
    return Channels == 0 ? 0 : static_cast<std::int64_t>(Samples.size()) / Channels;
  }
  double Seconds() const { return static_cast<double>(Frames()) / SampleRate; }
};
