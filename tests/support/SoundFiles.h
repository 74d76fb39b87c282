#pragma once

#include <sndfile.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

constexpr int Mp3Format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
constexpr int FlacFormat = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;

// A tone written by libsndfile's own encoders (MP3 through LAME). A WAV file
// of 8-bit samples, the default, takes 44 bytes and one byte per sample.
inline void WriteSound(const std::string& path, sf_count_t frames, int sampleRate = 8000,
                       int channels = 1, int format = SF_FORMAT_WAV | SF_FORMAT_PCM_U8) {
  SF_INFO info{};
  info.samplerate = sampleRate;
  info.channels = channels;
  info.format = format;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (file == nullptr) throw std::runtime_error("cannot write " + path);
  std::vector<float> samples(static_cast<std::size_t>(frames * channels));
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = 0.5F * std::sin(i * 0.05F);
  sf_writef_float(file, samples.data(), frames);
  sf_close(file);
}
