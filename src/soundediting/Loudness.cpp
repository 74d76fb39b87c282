#include "soundediting/Loudness.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "soundediting/PeakLimiter.h"
#include "soundediting/SoundFileError.h"
#include "translation/Translated.h"

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

double GainOf(double decibels) {
  return std::pow(10.0, decibels / 20);
}

void Scale(std::vector<float>& samples, double decibels) {
  const auto gain = static_cast<float>(GainOf(decibels));
  for (float& sample : samples) sample *= gain;
}

// The figures of the modes asked for; the others stay 0.
LoudnessFigures Measure(const Sound& sound, int modes) {
  std::unique_ptr<ebur128_state, StateDeleter> state(ebur128_init(
      static_cast<unsigned>(sound.Channels), static_cast<unsigned long>(sound.SampleRate), modes));
  if (!state || ebur128_add_frames_float(state.get(), sound.Samples.data(),
                                         static_cast<size_t>(sound.Frames())) != EBUR128_SUCCESS) {
    throw SoundFileError(Translated("SoundEditing", "the loudness could not be measured"));
  }
  LoudnessFigures figures;
  if ((modes & EBUR128_MODE_I) == EBUR128_MODE_I) {
    ebur128_loudness_global(state.get(), &figures.IntegratedLufs);
  }
  if ((modes & EBUR128_MODE_TRUE_PEAK) == EBUR128_MODE_TRUE_PEAK) {
    double peak = 0;
    for (int channel = 0; channel < sound.Channels; ++channel) {
      double channelPeak = 0;
      ebur128_true_peak(state.get(), static_cast<unsigned>(channel), &channelPeak);
      peak = std::max(peak, channelPeak);
    }
    figures.TruePeakDbtp = 20 * std::log10(peak);
  }
  return figures;
}

}  // namespace

LoudnessFigures MeasureLoudness(const Sound& sound) {
  return Measure(sound, EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK);
}

// The true peak takes four times as long to measure as the loudness, so while
// the gain is sought only the loudness is measured; the peak once, at the end.
void EvenOutLoudness(Sound& sound, const LoudnessAims& aims) {
  const double before = Measure(sound, EBUR128_MODE_I).IntegratedLufs;
  if (!std::isfinite(before)) return;
  const std::vector<float> original = sound.Samples;
  const auto ceiling = static_cast<float>(GainOf(aims.TruePeakDbtp - InterSampleMarginDb));
  double gainDb = aims.IntegratedLufs - before;
  for (int attempt = 0; attempt < GainAttempts; ++attempt) {
    sound.Samples = original;
    Scale(sound.Samples, gainDb);
    LimitPeaks(sound, ceiling);
    const double after = Measure(sound, EBUR128_MODE_I).IntegratedLufs;
    if (std::abs(after - aims.IntegratedLufs) <= LoudnessToleranceLu) break;
    gainDb += aims.IntegratedLufs - after;
  }
  const double truePeak = Measure(sound, EBUR128_MODE_TRUE_PEAK).TruePeakDbtp;
  if (truePeak > aims.TruePeakDbtp) Scale(sound.Samples, aims.TruePeakDbtp - truePeak);
}
