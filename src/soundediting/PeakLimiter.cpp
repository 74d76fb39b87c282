#include "soundediting/PeakLimiter.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <vector>

namespace {

constexpr double LookAheadSeconds = 0.005;
constexpr double ReleaseSeconds = 0.05;

// Per frame, the gain that brings its loudest channel down to the ceiling.
std::vector<float> NeededGains(const Sound& sound, float ceiling) {
  std::vector<float> gains(static_cast<std::size_t>(sound.Frames()), 1.0F);
  for (std::size_t frame = 0; frame < gains.size(); ++frame) {
    for (int channel = 0; channel < sound.Channels; ++channel) {
      const float level = std::abs(sound.Samples[frame * sound.Channels + channel]);
      if (level > ceiling) gains[frame] = std::min(gains[frame], ceiling / level);
    }
  }
  return gains;
}

// The lowest gain of each frame and the `window` frames before it.
std::vector<float> SlidingMinimum(const std::vector<float>& gains, std::size_t window) {
  std::vector<float> lowest(gains.size());
  std::deque<std::size_t> candidates;  // frames with rising gains
  for (std::size_t frame = 0; frame < gains.size(); ++frame) {
    while (!candidates.empty() && gains[candidates.back()] >= gains[frame]) candidates.pop_back();
    candidates.push_back(frame);
    if (candidates.front() + window < frame) candidates.pop_front();
    lowest[frame] = gains[candidates.front()];
  }
  return lowest;
}

// Lets the gain recover no faster than the release, never above the input.
void Release(std::vector<float>& gains, double coefficient) {
  for (std::size_t frame = 1; frame < gains.size(); ++frame) {
    const float recovered =
        gains[frame - 1] + static_cast<float>(coefficient) * (1.0F - gains[frame - 1]);
    gains[frame] = std::min(gains[frame], recovered);
  }
}

}  // namespace

// A frame's gain is the mean of the held gains over the look-ahead window that
// starts at it. Each held gain in that window covers the frame itself (the
// minimum reaches back a window), so the mean is never above what the frame
// needs, and its ramp starts a window ahead of every peak.
void LimitPeaks(Sound& sound, float ceiling) {
  std::vector<float> gains = NeededGains(sound, ceiling);
  if (std::all_of(gains.begin(), gains.end(), [](float gain) { return gain == 1.0F; })) return;
  const auto window = static_cast<std::size_t>(LookAheadSeconds * sound.SampleRate);
  std::vector<float> held = SlidingMinimum(gains, window);
  Release(held, 1.0 - std::exp(-1.0 / (ReleaseSeconds * sound.SampleRate)));
  double sum = 0;
  std::size_t end = 0;
  for (std::size_t frame = 0; frame < held.size(); ++frame) {
    for (; end < held.size() && end <= frame + window; ++end) sum += held[end];
    const float gain = static_cast<float>(sum / static_cast<double>(end - frame));
    for (int channel = 0; channel < sound.Channels; ++channel) {
      sound.Samples[frame * sound.Channels + channel] *= gain;
    }
    sum -= held[frame];
  }
}
