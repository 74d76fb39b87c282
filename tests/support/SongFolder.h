#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// A temporary folder of song files whose bytes follow a pattern of their own,
// so that a song stored in the wrong place never compares equal.
class SongFolder {
 public:
  SongFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "songs-XXXXXX").string();
    folder_ = mkdtemp(pattern.data());
  }
  ~SongFolder() { std::filesystem::remove_all(folder_); }

  // The folder as rows hold it, ending in "/".
  std::string Directory() const { return folder_.string() + "/"; }
  std::vector<std::uint8_t> Write(const std::string& name, std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    const auto seed = static_cast<std::uint8_t>(std::hash<std::string>{}(name));
    for (std::size_t i = 0; i < size; ++i) bytes[i] = seed + i * 7 + (i >> 8);
    std::ofstream(folder_ / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(size));
    return bytes;
  }

 private:
  std::filesystem::path folder_;
};
