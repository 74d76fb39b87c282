#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "support/TemporaryFolder.h"

// A temporary folder of song files whose bytes follow a pattern of their own,
// so that a song stored in the wrong place never compares equal.
class SongFolder {
 public:
  // The folder as rows hold it, ending in "/".
  std::string Directory() const { return folder_.Path(); }
  std::vector<std::uint8_t> Write(const std::string& name, std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    const auto seed = static_cast<std::uint8_t>(std::hash<std::string>{}(name));
    for (std::size_t i = 0; i < size; ++i) bytes[i] = seed + i * 7 + (i >> 8);
    std::ofstream(folder_.Path() + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(size));
    return bytes;
  }

 private:
  TemporaryFolder folder_;
};
