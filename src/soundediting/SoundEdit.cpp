#include "soundediting/SoundEdit.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "soundediting/Fades.h"
#include "soundediting/SampleRateConversion.h"

namespace {

// Rounds as DecodeSoundFile does.
std::int64_t FrameAt(double seconds, const SoundFormat& source) {
  return std::clamp<std::int64_t>(std::llround(seconds * source.SampleRate), 0, source.Frames);
}

}  // namespace

SoundFormat EditedFormat(const SoundFormat& source, const SoundEdit& edit) {
  const std::int64_t frames = std::max<std::int64_t>(
      FrameAt(edit.EndSeconds, source) - FrameAt(edit.StartSeconds, source), 0);
  const int rate = OutputSampleRate(source.SampleRate, edit.Output);
  return {ConvertedFrameCount(frames, source.SampleRate, rate), rate,
          edit.Mono ? 1 : source.Channels};
}

void CheckSoundEdit(const SoundEdit& edit) {
  if (!(edit.StartSeconds >= 0 && edit.EndSeconds > edit.StartSeconds)) {
    throw std::invalid_argument("the stretch to keep is empty");
  }
  for (const double fade : {edit.FadeInSeconds, edit.FadeOutSeconds}) {
    if (!(fade >= 0 && fade <= MaxFadeSeconds)) {
      throw std::invalid_argument("a fade lasts from 0 to 5 seconds");
    }
  }
  if (edit.Output.Kind == SoundFileKind::Mp3 && !IsOfferedMp3BitRate(edit.Output.BitRateKbps)) {
    throw std::invalid_argument("the MP3 bit rate is not one of those offered");
  }
}
