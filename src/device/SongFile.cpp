#include "device/SongFile.h"

#include <array>
#include <fstream>

namespace {
constexpr std::size_t ReadPieceSize = 64 * 1024;
}

bool ReadSongFile(const std::string& path, std::int64_t listedSize,
                  const std::function<void(std::span<const std::uint8_t>)>& takePiece) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::array<char, ReadPieceSize> piece;
  std::int64_t total = 0;
  while (true) {
    file.read(piece.data(), piece.size());
    const std::streamsize count = file.gcount();
    if (count > 0) {
      total += count;
      if (total > listedSize) return false;
      takePiece(std::span(reinterpret_cast<const std::uint8_t*>(piece.data()),
                          static_cast<std::size_t>(count)));
    }
    if (file.eof()) return total == listedSize;
    if (!file) return false;
  }
}
