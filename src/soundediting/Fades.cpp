#include "soundediting/Fades.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The gain `step` frames in from the edge of a fade of `length` frames.
float FadeGainAt(std::int64_t step, std::int64_t length) {
  return static_cast<float>(FadeGain(static_cast<double>(step) / static_cast<double>(length)));
}

void ScaleFrame(Sound& sound, std::int64_t frame, float gain) {
  const auto first = sound.Samples.begin() + frame * sound.Channels;
  std::for_each(first, first + sound.Channels, [gain](float& sample) { sample *= gain; });
}

std::int64_t FadeFrames(double seconds, const Sound& sound) {
  return std::min<std::int64_t>(std::llround(seconds * sound.SampleRate), sound.Frames());
}

}  // namespace

double FadeGain(double fraction) {
  return std::sin(std::numbers::pi / 2 * std::clamp(fraction, 0.0, 1.0));
}

void ApplyFades(Sound& sound, double fadeInSeconds, double fadeOutSeconds) {
  const std::int64_t frames = sound.Frames();
  const std::int64_t fadeIn = FadeFrames(fadeInSeconds, sound);
  const std::int64_t fadeOut = FadeFrames(fadeOutSeconds, sound);
  for (std::int64_t step = 0; step < fadeIn; ++step) {
    ScaleFrame(sound, step, FadeGainAt(step, fadeIn));
  }
  for (std::int64_t step = 0; step < fadeOut; ++step) {
    ScaleFrame(sound, frames - 1 - step, FadeGainAt(step, fadeOut));
  }
}
