#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What a sound file holds, as its decoder reads it.
struct SoundFormat {
  std::int64_t Frames = 0;  // samples per channel
  int SampleRate = 0;       // frames per second
  int Channels = 0;

  double Seconds() const { return static_cast<double>(Frames) / SampleRate; }
};

// The format of an MP3 or WAV sound, read by a real decoder whatever the
// file's name says; nothing when the file does not decode as one of them.
std::optional<SoundFormat> DecodeSound(const std::string& path);
