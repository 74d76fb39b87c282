#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// An MPEG audio frame header as it stands in the file.
struct Mp3FrameHeader {
  std::string Version;  // "1", "2" or "2.5"
  int Layer = 0;
  int BitRateKbps = 0;  // 0 for a free or invalid index
  int SampleRate = 0;
};

// The frames of an MP3 file's bytes, walked header by header from the start
// (after an ID3v2 tag) to the end (before an ID3v1 tag). Complete is false when
// the walk met bytes that are not a frame header.
struct Mp3FrameWalk {
  std::vector<Mp3FrameHeader> Headers;
  bool Complete = false;
};

inline Mp3FrameWalk WalkMp3Frames(const std::string& bytes) {
  static constexpr int Mpeg1BitRates[16] = {0,   32,  40,  48,  56,  64,  80,  96,
                                            112, 128, 160, 192, 224, 256, 320, 0};
  static constexpr int Mpeg2BitRates[16] = {0,  8,  16, 24,  32,  40,  48,  56,
                                            64, 80, 96, 112, 128, 144, 160, 0};
  static constexpr int Mpeg1Rates[4] = {44100, 48000, 32000, 0};
  auto byte = [&](std::size_t at) { return static_cast<std::uint8_t>(bytes[at]); };
  std::size_t end = bytes.size();
  if (end >= 128 && bytes.compare(end - 128, 3, "TAG") == 0) end -= 128;
  std::size_t at = 0;
  if (bytes.compare(0, 3, "ID3") == 0 && end >= 10) {
    at = 10 + (byte(6) << 21 | byte(7) << 14 | byte(8) << 7 | byte(9));
  }
  Mp3FrameWalk frames;
  while (at + 4 <= end && byte(at) == 0xFF && (byte(at + 1) & 0xE0) == 0xE0) {
    const int versionBits = byte(at + 1) >> 3 & 3;
    const int bitRateIndex = byte(at + 2) >> 4;
    const int rateIndex = byte(at + 2) >> 2 & 3;
    const bool padded = (byte(at + 2) >> 1 & 1) != 0;
    Mp3FrameHeader header;
    header.Version = versionBits == 3   ? "1"
                     : versionBits == 2 ? "2"
                     : versionBits == 0 ? "2.5"
                                        : "?";
    header.Layer = 4 - (byte(at + 1) >> 1 & 3);
    const bool mpeg1 = header.Version == "1";
    header.BitRateKbps = (mpeg1 ? Mpeg1BitRates : Mpeg2BitRates)[bitRateIndex];
    header.SampleRate = Mpeg1Rates[rateIndex] / (mpeg1 ? 1 : header.Version == "2" ? 2 : 4);
    frames.Headers.push_back(header);
    if (header.Layer != 3 || header.BitRateKbps == 0 || header.SampleRate == 0) return frames;
    at += (mpeg1 ? 144000 : 72000) * header.BitRateKbps / header.SampleRate + (padded ? 1 : 0);
  }
  frames.Complete = at == end;
  return frames;
}
