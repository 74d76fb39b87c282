#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

// Reads a song file from start to end, handing each piece on as it arrives.
// False when the file does not open, a read fails, or its length is not the
// listed size; reading stops as soon as the file proves longer.
bool ReadSongFile(const std::string& path, std::int64_t listedSize,
                  const std::function<void(std::span<const std::uint8_t>)>& takePiece);
