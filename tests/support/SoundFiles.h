#pragma once

#include <sndfile.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

// A WAV file of exactly `size` bytes (44 at least): a plain header and silent
// 8-bit mono samples at 8000 Hz.
inline void WriteWav(const std::string& path, std::size_t size) {
  if (size < 44) throw std::invalid_argument("a WAV file has 44 bytes at least");
  std::string bytes;
  const auto word = [&bytes](std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  const auto data = static_cast<std::uint32_t>(size - 44);
  bytes += "RIFF";
  word(data + 36, 4);
  bytes += "WAVEfmt ";
  word(16, 4);
  word(1, 2);     // PCM
  word(1, 2);     // mono
  word(8000, 4);  // frames per second
  word(8000, 4);  // bytes per second
  word(1, 2);     // bytes per frame
  word(8, 2);     // bits per sample
  bytes += "data";
  word(data, 4);
  bytes.append(data, static_cast<char>(0x80));
  std::ofstream(path, std::ios::binary) << bytes;
}

// A tone of the given length written by the encoders of libsndfile: 16-bit
// WAV, or MP3 (LAME) for a path ending in ".mp3".
inline void WriteTone(const std::string& path, double seconds, int sampleRate, int channels) {
  const bool mp3 = path.size() >= 4 && path.compare(path.size() - 4, 4, ".mp3") == 0;
  SF_INFO info{};
  info.samplerate = sampleRate;
  info.channels = channels;
  info.format = mp3 ? SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III : SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (file == nullptr) throw std::runtime_error("cannot write " + path);
  const auto frames = static_cast<sf_count_t>(seconds * sampleRate);
  std::vector<float> samples(static_cast<std::size_t>(frames * channels));
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = 0.5F * static_cast<float>(std::sin(static_cast<double>(i / channels) * 0.05));
  }
  sf_writef_float(file, samples.data(), frames);
  sf_close(file);
}
