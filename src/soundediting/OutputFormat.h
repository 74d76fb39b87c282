#pragma once

#include <array>
#include <string>

// Nothing more is known of what the unit decodes than standard MPEG-1 or
// MPEG-2 Layer III at a constant bit rate and 16-bit PCM WAV, so nothing else
// is ever written.
enum class SoundFileKind { Mp3, Wav };

struct OutputFormat {
  SoundFileKind Kind = SoundFileKind::Mp3;
  int BitRateKbps = 128;  // MP3 only; one of Mp3BitRates
};

// The constant bit rates offered, in kbit/s: those of MPEG-1 Layer III from 32
// to 192. MPEG-2 (16, 22.05 and 24 kHz) allows each of them but 192.
inline constexpr std::array<int, 11> Mp3BitRates = {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192};
inline constexpr int LowestMp3BitRate = 32;

bool IsOfferedMp3BitRate(int kbps);

// The sample rate a sound of sourceRate is written at. WAV keeps it. MP3 keeps
// it when it is an MPEG-1 or MPEG-2 rate (never the MPEG-2.5 rates 8, 11.025
// and 12 kHz) and otherwise takes 22,050 Hz. An MPEG-2 rate at 192 kbit/s,
// which MPEG-2 does not allow, is doubled to its MPEG-1 counterpart (22,050 to
// 44,100 Hz): the exact ratio keeps the resampling clean, and the bit rate the
// user asked for is kept rather than silently lowered.
int OutputSampleRate(int sourceRate, const OutputFormat& format);

// ".mp3" or ".wav".
std::string FileExtension(SoundFileKind kind);
