#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

// A temporary folder of songs of random bytes, removed with the object.
class SongFiles {
 public:
  SongFiles(int count, std::size_t size) : count_(count), size_(size) {
    std::string pattern = (std::filesystem::temp_directory_path() / "bench-songs-XXXXXX").string();
    folder_ = mkdtemp(pattern.data());
    std::mt19937 random(7);
    std::vector<char> bytes(size);
    for (int song = 0; song < count; ++song) {
      for (char& byte : bytes) byte = static_cast<char>(random());
      std::ofstream(folder_ / Name(song), std::ios::binary).write(bytes.data(), bytes.size());
    }
  }
  ~SongFiles() { std::filesystem::remove_all(folder_); }
  SongFiles(const SongFiles&) = delete;
  SongFiles& operator=(const SongFiles&) = delete;

  int Count() const { return count_; }
  std::size_t Size() const { return size_; }
  // The folder, ending in "/".
  std::string Directory() const { return folder_.string() + "/"; }
  static std::string Name(int song) { return "song" + std::to_string(song) + ".wav"; }

 private:
  int count_;
  std::size_t size_;
  std::filesystem::path folder_;
};
