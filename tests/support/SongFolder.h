#pragma once

#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "support/TemporaryFolder.h"

// A temporary folder of song files whose bytes follow a pattern of their own,
// so that a song stored in the wrong place never compares equal. A song of
// 44 bytes or more is a real sound, whatever its name: a WAV header (mono
// 8-bit samples at 8000 Hz) before the pattern, which any decoder plays.
class SongFolder {
 public:
  static constexpr std::size_t WavHeaderSize = 44;

  // The folder as rows hold it, ending in "/".
  std::string Directory() const { return folder_.Path(); }
  std::vector<std::uint8_t> Write(const std::string& name, std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    const auto seed = static_cast<std::uint8_t>(std::hash<std::string>{}(name));
    for (std::size_t i = 0; i < size; ++i) bytes[i] = seed + i * 7 + (i >> 8);
    if (size >= WavHeaderSize) PutWavHeader(bytes);
    std::ofstream(folder_.Path() + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(size));
    return bytes;
  }

 private:
  static void PutWavHeader(std::vector<std::uint8_t>& bytes) {
    const auto put32 = [&bytes](std::size_t at, std::uint32_t value) {
      for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    const auto data = static_cast<std::uint32_t>(bytes.size() - WavHeaderSize);
    std::memcpy(&bytes[0], "RIFF", 4);
    put32(4, data + 36);
    std::memcpy(&bytes[8], "WAVEfmt ", 8);
    put32(16, 16);                // the format chunk's size
    put32(20, 1 | (1u << 16));    // PCM, one channel
    put32(24, 8000);              // frames per second
    put32(28, 8000);              // bytes per second
    put32(32, 1 | (8u << 16));    // one byte per frame, 8 bits per sample
    std::memcpy(&bytes[36], "data", 4);
    put32(40, data);
  }

  TemporaryFolder folder_;
};
