#pragma once

#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

// A temporary folder of songs of noise, removed with the object: WAV files
// of exactly the size asked for (at least 46 bytes), so that the checks
// before a run take them for sounds.
class SongFiles {
 public:
  SongFiles(int count, std::size_t size) : count_(count), size_(size) {
    std::string pattern = (std::filesystem::temp_directory_path() / "bench-songs-XXXXXX").string();
    folder_ = mkdtemp(pattern.data());
    std::mt19937 random(7);
    std::vector<char> bytes(size);
    WriteWavHeader(bytes);
    for (int song = 0; song < count; ++song) {
      for (std::size_t at = HeaderSize; at < bytes.size(); ++at) {
        bytes[at] = static_cast<char>(random());
      }
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
  static constexpr std::size_t HeaderSize = 44;

  // 16-bit mono PCM at 44.1 kHz; the data fills the rest of the file, whole
  // samples only.
  static void WriteWavHeader(std::vector<char>& bytes) {
    const auto put = [&bytes](std::size_t at, std::uint32_t value, int width) {
      for (int byte = 0; byte < width; ++byte) bytes[at + byte] = static_cast<char>(value >> (8 * byte));
    };
    const std::uint32_t data = static_cast<std::uint32_t>((bytes.size() - HeaderSize) & ~1U);
    std::copy_n("RIFF", 4, bytes.begin());
    put(4, static_cast<std::uint32_t>(bytes.size() - 8), 4);
    std::copy_n("WAVEfmt ", 8, bytes.begin() + 8);
    put(16, 16, 4);
    put(20, 1, 2);
    put(22, 1, 2);
    put(24, 44100, 4);
    put(28, 88200, 4);
    put(32, 2, 2);
    put(34, 16, 2);
    std::copy_n("data", 4, bytes.begin() + 36);
    put(40, data, 4);
  }

  int count_;
  std::size_t size_;
  std::filesystem::path folder_;
};
