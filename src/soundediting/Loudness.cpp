#include "soundediting/Loudness.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "soundediting/PeakLimiter.h"
#include "soundediting/SoundFileError.h"

namespace {

// Close enough to stop correcting; well inside what the ear can tell.
constexpr double LoudnessToleranceLu = 0.1;
// Limiting takes some loudness away; the gain is raised again a few times.
constexpr int GainAttempts = 4;
// The limiter holds sample peaks this far below the true-peak ceiling, as the
// signal between samples can rise above the samples themselves.
constexpr double InterSampleMarginDb = 1.0;

struct StateDeleter {
  void operator()(ebur128_state* state) const { ebur128_destroy(&state); }
};

double GainOf(double decibels) { return std::pow(10.0, decibels / 20); }

void Scale(std::vector<float>& samples, double decibels) {
  const auto gain = static_cast<float>(GainOf(decibels));
  for (float& sample : samples) sample *= gain;
}

}  // namespace

LoudnessFigures MeasureLoudness(const Sound& sound) {
  std::unique_ptr<ebur128_state, StateDeleter> state(
      ebur128_init(static_cast<unsigned>(sound.Channels), static_cast<unsigned long>(sound.SampleRate),
                   EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK));
  if (!state ||
      ebur128_add_frames_float(state.get(), sound.Samples.data(), static_cast<size_t>(sound.Frames())) !=
          EBUR128_SUCCESS) {
    throw SoundFileError("the loudness could not be measured");
  }
  LoudnessFigures figures;
  ebur128_loudness_global(state.get(), &figures.IntegratedLufs);
  double peak = 0;
  for (int channel = 0; channel < sound.Channels; ++channel) {
    double channelPeak = 0;
    ebur128_true_peak(state.get(), static_cast<unsigned>(channel), &channelPeak);
    peak = std::max(peak, channelPeak);
  }
  figures.TruePeakDbtp = 20 * std::log10(peak);
  return figures;
}

void EvenOutLoudness(Sound& sound, const LoudnessAims& aims) {
  const LoudnessFigures before = MeasureLoudness(sound);
  if (!std::isfinite(before.IntegratedLufs)) return;
  const std::vector<float> original = sound.Samples;
  const auto ceiling = static_cast<float>(GainOf(aims.TruePeakDbtp - InterSampleMarginDb));
  double gainDb = aims.IntegratedLufs - before.IntegratedLufs;
  LoudnessFigures after;
  for (int attempt = 0; attempt < GainAttempts; ++attempt) {
    sound.Samples = original;
    Scale(sound.Samples, gainDb);
    LimitPeaks(sound, ceiling);
    after = MeasureLoudness(sound);
    if (std::abs(after.IntegratedLufs - aims.IntegratedLufs) <= LoudnessToleranceLu) break;
    gainDb += aims.IntegratedLufs - after.IntegratedLufs;
  }
  if (after.TruePeakDbtp > aims.TruePeakDbtp) Scale(sound.Samples, aims.TruePeakDbtp - after.TruePeakDbtp);
}
