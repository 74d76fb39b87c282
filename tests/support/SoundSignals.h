#pragma once

#include <sndfile.h>

#include <cmath>
#include <numbers>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

// Test sounds as real files: signals written by libsndfile's own encoders (MP3
// through LAME), so that every decoder reads them as it reads the user's.
constexpr int Mp3FileFormat = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
constexpr int Wav16FileFormat = SF_FORMAT_WAV | SF_FORMAT_PCM_16;

struct Signal {
  std::vector<float> Samples;  // interleaved
  int SampleRate = 44100;
  int Channels = 1;

  std::size_t Frames() const { return Samples.size() / Channels; }
};

// A sine whose pitch glides from 100 Hz to 4 kHz, the same in every channel.
inline Signal SineSweep(double seconds, int sampleRate, int channels, float amplitude) {
  Signal signal{{}, sampleRate, channels};
  const auto frames = static_cast<std::size_t>(seconds * sampleRate);
  const double glide = (4000.0 - 100.0) / seconds;
  for (std::size_t frame = 0; frame < frames; ++frame) {
    const double t = static_cast<double>(frame) / sampleRate;
    const auto value = static_cast<float>(
        amplitude * std::sin(2 * std::numbers::pi * (100 * t + glide * t * t / 2)));
    signal.Samples.insert(signal.Samples.end(), channels, value);
  }
  return signal;
}

// Noise in the second half of every second, silence in the first:
// bursts at [0.5, 1), [1.5, 2), ...
inline Signal NoiseBursts(double seconds, int sampleRate, int channels, float amplitude) {
  Signal signal{{}, sampleRate, channels};
  std::mt19937 random(11);
  std::uniform_real_distribution<float> noise(-amplitude, amplitude);
  const auto frames = static_cast<std::size_t>(seconds * sampleRate);
  for (std::size_t frame = 0; frame < frames; ++frame) {
    const bool burst = frame % sampleRate >= static_cast<std::size_t>(sampleRate / 2);
    for (int channel = 0; channel < channels; ++channel) {
      signal.Samples.push_back(burst ? noise(random) : 0.0F);
    }
  }
  return signal;
}

inline void WriteSignal(const std::string& path, const Signal& signal, int format) {
  SF_INFO info{};
  info.samplerate = signal.SampleRate;
  info.channels = signal.Channels;
  info.format = format;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (file == nullptr) throw std::runtime_error("cannot write " + path);
  sf_writef_float(file, signal.Samples.data(), static_cast<sf_count_t>(signal.Frames()));
  sf_close(file);
}
