#include "soundediting/OutputFormat.h"

#include <algorithm>

namespace {

constexpr std::array<int, 3> Mpeg1Rates = {32000, 44100, 48000};
constexpr std::array<int, 3> Mpeg2Rates = {16000, 22050, 24000};
constexpr int Mpeg2HighestBitRate = 160;
constexpr int RateForOtherSources = 22050;

bool IsOneOf(int rate, const std::array<int, 3>& rates) {
  return std::find(rates.begin(), rates.end(), rate) != rates.end();
}

}  // namespace

bool IsOfferedMp3BitRate(int kbps) {
  return std::find(Mp3BitRates.begin(), Mp3BitRates.end(), kbps) != Mp3BitRates.end();
}

int OutputSampleRate(int sourceRate, const OutputFormat& format) {
  if (format.Kind == SoundFileKind::Wav || IsOneOf(sourceRate, Mpeg1Rates)) return sourceRate;
  const int rate = IsOneOf(sourceRate, Mpeg2Rates) ? sourceRate : RateForOtherSources;
  return format.BitRateKbps > Mpeg2HighestBitRate ? 2 * rate : rate;
}

std::string FileExtension(SoundFileKind kind) {
  return kind == SoundFileKind::Mp3 ? ".mp3" : ".wav";
}
