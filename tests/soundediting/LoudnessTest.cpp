#include <gtest/gtest.h>

#include <ebur128.h>

#include <cmath>

#include "SoundEditingFixture.h"
#include "soundediting/Loudness.h"
#include "soundediting/LoudnessTarget.h"
#include "soundediting/SoundDecoding.h"

namespace {

// Integrated loudness and true peak of a file, measured by libebur128 itself.
std::pair<double, double> MeasuredLoudness(const std::string& path) {
  const Sound sound = DecodeSoundFile(path);
  ebur128_state* state = ebur128_init(static_cast<unsigned>(sound.Channels),
                                      static_cast<unsigned long>(sound.SampleRate),
                                      EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK);
  ebur128_add_frames_float(state, sound.Samples.data(), static_cast<size_t>(sound.Frames()));
  double loudness = 0;
  double peak = 0;
  ebur128_loudness_global(state, &loudness);
  for (int channel = 0; channel < sound.Channels; ++channel) {
    double channelPeak = 0;
    ebur128_true_peak(state, static_cast<unsigned>(channel), &channelPeak);
    peak = std::max(peak, channelPeak);
  }
  ebur128_destroy(&state);
  return {loudness, 20 * std::log10(peak)};
}

// A quiet sweep with a loud click every quarter second: its peaks stand 40 dB
// above its loudness, so the gain that reaches the target needs the limiter.
Signal SweepWithClicks() {
  Signal signal = SineSweep(4, 44100, 2, 0.02F);
  for (std::size_t frame = 0; frame < signal.Frames(); frame += 44100 / 4) {
    for (std::size_t at = frame * 2; at < (frame + 40) * 2; ++at) signal.Samples[at] = 0.9F;
  }
  return signal;
}

// Music-like: a glide under noise bursts, at the loudness asked for.
Signal MusicAt(double lufs) {
  Signal signal = SineSweep(4, 44100, 2, 0.3F);
  const Signal bursts = NoiseBursts(4, 44100, 2, 0.3F);
  for (std::size_t at = 0; at < signal.Samples.size(); ++at) signal.Samples[at] += bursts.Samples[at];
  Sound sound{signal.Samples, signal.SampleRate, signal.Channels};
  const auto gain = static_cast<float>(std::pow(10, (lufs - MeasureLoudness(sound).IntegratedLufs) / 20));
  for (float& sample : signal.Samples) sample *= gain;
  return signal;
}

// Driven far past full scale and cut off there, as an overloaded recording.
Signal Clipped() {
  Signal signal = MusicAt(0);
  for (float& sample : signal.Samples) sample = std::clamp(sample * 4, -1.0F, 1.0F);
  return signal;
}

}  // namespace

// What the listener gets is the decoded file: MP3 coding takes loudness away
// and lets peaks overshoot, by an amount that depends on the bit rate.
TEST_F(SoundEditingTest, EvenedOutFilesDecodeOnTargetAtEveryBitRateFrom64Up) {
  const std::string quiet = Source("quiet.wav", MusicAt(-35), Wav16FileFormat);
  const std::string clipped = Source("clipped.wav", Clipped(), Wav16FileFormat);
  for (const std::string& source : {quiet, clipped}) {
    std::vector<OutputFormat> outputs = {Wav};
    for (const int kbps : Mp3BitRates) {
      if (kbps >= 64) outputs.push_back(Mp3(kbps));
    }
    for (const OutputFormat output : outputs) {
      SoundEdit edit = Keep(0, 4, output);
      edit.EvenOutLoudness = true;
      const auto [loudness, truePeak] =
          MeasuredLoudness(WriteEditedSound(source, edit, music.Path()));
      EXPECT_NEAR(loudness, TargetLoudnessLufs, 0.3) << source << " " << output.BitRateKbps;
      EXPECT_LE(truePeak, MaxTruePeakDbtp) << source << " " << output.BitRateKbps;
    }
  }
}

// Also through MP3, which at 32 kbit/s keeps little of the noise's highs.
TEST_F(SoundEditingTest, EvenOutReachesTheTargetLoudnessUnderTheTruePeakCeiling) {
  const std::string quiet = Source("quiet.wav", SineSweep(4, 44100, 2, 0.05F), Wav16FileFormat);
  const std::string loud = Source("loud.wav", NoiseBursts(4, 44100, 1, 0.99F), Wav16FileFormat);
  const std::string clicks = Source("clicks.wav", SweepWithClicks(), Wav16FileFormat);
  for (const std::string& source : {quiet, loud, clicks}) {
    for (const OutputFormat output : {Wav, Mp3(32), Mp3(128)}) {
      SoundEdit edit = Keep(0, 4, output);
      edit.EvenOutLoudness = true;
      const auto [loudness, truePeak] =
          MeasuredLoudness(WriteEditedSound(source, edit, music.Path()));
      EXPECT_NEAR(loudness, TargetLoudnessLufs, 1.0) << source << " " << output.BitRateKbps;
      EXPECT_LE(truePeak, MaxTruePeakDbtp) << source << " " << output.BitRateKbps;
    }
  }
}
