#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <span>

#include "SoundEditingFixture.h"
#include "soundediting/SizeEstimate.h"
#include "soundediting/SoundDecoding.h"

namespace {

// Where the noise is, to 32 frames: from the first to past the last stretch
// of 32 frames whose level is above a quarter of the noise's. By level, not
// by single samples, as MP3 smears some noise into the silence around a burst;
// a quarter, as at low bit rates MP3 keeps only the noise's lower frequencies.
std::pair<std::int64_t, std::int64_t> LoudStretch(const Sound& sound, float noiseLevel) {
  constexpr std::int64_t Block = 32;
  std::int64_t first = -1;
  std::int64_t end = -1;
  for (std::int64_t block = 0; (block + 1) * Block <= sound.Frames(); ++block) {
    const auto samples =
        std::span(sound.Samples).subspan(block * Block * sound.Channels, Block * sound.Channels);
    double power = 0;
    for (const float sample : samples) power += sample * sample;
    if (std::sqrt(power / static_cast<double>(samples.size())) < noiseLevel / 4) continue;
    if (first < 0) first = block * Block;
    end = (block + 1) * Block;
  }
  return {first, end};
}

// The highest level of each 20 ms of a mono sound.
std::vector<float> Envelope(const Sound& sound) {
  const auto block = static_cast<std::size_t>(sound.SampleRate / 50);
  std::vector<float> envelope;
  for (std::size_t first = 0; first + block <= sound.Samples.size(); first += block) {
    float highest = 0;
    for (std::size_t at = first; at < first + block; ++at) {
      highest = std::max(highest, std::abs(sound.Samples[at]));
    }
    envelope.push_back(highest);
  }
  return envelope;
}

}  // namespace

TEST_F(SoundEditingTest, WavCutHoldsExactlyTheFramesBetweenTheMarks) {
  const std::string ding = Source("ding.wav", SineSweep(4, 44100, 2, 0.5F), Wav16FileFormat);
  const Sound cut = DecodeSoundFile(WriteEditedSound(ding, Keep(1.0, 2.5, Wav), music.Path()));
  const Sound whole = DecodeSoundFile(ding);
  ASSERT_EQ(cut.Frames(), 66150);
  EXPECT_TRUE(
      std::equal(cut.Samples.begin(), cut.Samples.end(), whole.Samples.begin() + 2 * 44100));
}

// Noise fills the second half of every second; the cut from 1.2 s to 2.8 s
// starts in silence 0.3 s before a burst and ends in a burst. MP3 may move
// the sound by its frame of 1,152 samples, no more: also at 32 kbit/s, where
// frames are too small for the Info frame that tells decoders the encoder's
// delay.
TEST_F(SoundEditingTest, Mp3CutIsWithinOneFrameOfTheMarks) {
  const std::string bursts = Source("bursts.mp3", NoiseBursts(6, 44100, 2, 0.5F), Mp3FileFormat);
  const float NoiseLevel = 0.5F / std::sqrt(3.0F);  // of noise evenly spread over ±0.5
  for (const int kbps : {128, 32}) {
    const Sound cut =
        DecodeSoundFile(WriteEditedSound(bursts, Keep(1.2, 2.8, Mp3(kbps)), music.Path()));
    const auto [first, end] = LoudStretch(cut, NoiseLevel);
    EXPECT_NEAR(first, 0.3 * 44100, 1152) << kbps;
    EXPECT_NEAR(end, 1.6 * 44100, 1152) << kbps;
  }
}

TEST_F(SoundEditingTest, FadesAreSilentAtTheEdgesAndMonotoneInBetween) {
  const std::string tone = Source("tone.wav", SineSweep(6, 44100, 2, 0.5F), Wav16FileFormat);
  SoundEdit edit = Keep(0, 6, Wav);
  edit.FadeInSeconds = 2;
  edit.FadeOutSeconds = 3;
  edit.Mono = true;
  const Sound faded = DecodeSoundFile(WriteEditedSound(tone, edit, music.Path()));
  ASSERT_EQ(faded.Channels, 1);
  EXPECT_EQ(faded.Samples.front(), 0.0F);
  EXPECT_EQ(faded.Samples.back(), 0.0F);
  const std::vector<float> envelope = Envelope(faded);  // 50 blocks a second
  ASSERT_EQ(envelope.size(), 300u);
  // The envelope's blocks fall on the sweep's cycles unevenly; allow for that.
  constexpr float Unevenness = 0.01F;
  for (std::size_t block = 1; block < 100; ++block) {
    EXPECT_GE(envelope[block], envelope[block - 1] - Unevenness) << block;
  }
  for (std::size_t block = 151; block < 300; ++block) {
    EXPECT_LE(envelope[block], envelope[block - 1] + Unevenness) << block;
  }
  EXPECT_NEAR(envelope[125], 0.5F, Unevenness);  // untouched between the fades
}

// A float WAV may hold what is no sound: no number, infinity, 1e30. Written as
// MP3 (whose encoder aborts on such samples), it is sound again.
TEST_F(SoundEditingTest, FloatSamplesBeyondAnySoundAreWrittenAsTheEdgeOfWhatIsKept) {
  Signal damaged = SineSweep(1, 22050, 1, 0.5F);
  for (std::size_t at = 1000; at < 1100; ++at) {
    damaged.Samples[at] = at % 3 == 0 ? std::nanf("") : at % 3 == 1 ? 1e30F : -INFINITY;
  }
  const std::string path =
      Source("damaged.wav", damaged, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
  const Sound written = DecodeSoundFile(WriteEditedSound(path, Keep(0, 1, Mp3(64)), music.Path()));
  EXPECT_GT(written.Frames(), 20000);
  EXPECT_TRUE(std::all_of(written.Samples.begin(), written.Samples.end(),
                          [](float sample) { return std::isfinite(sample); }));
}

// Twelve frames at 284,194 Hz come to none at the 22,050 Hz of MP3.
TEST_F(SoundEditingTest, AnEditThatComesToNoFramesIsEstimatedAtNothingAndRefused) {
  const std::string path = Source("blip.wav", SineSweep(12.0 / 284194, 284194, 2, 0.5F), Wav16FileFormat);
  const SoundEdit edit = Keep(0, 1, Mp3(128));
  EXPECT_EQ(EstimateEditedBytes(*DecodeSound(path), edit), 0);
  EXPECT_THROW(WriteEditedSound(path, edit, music.Path()), SoundFileError);
  EXPECT_TRUE(Names(music.Path()).empty());
  EXPECT_EQ(Names(songs.Path()), std::set<std::string>{"blip.wav"});
}

// Only a damaged header gives a rate of one hertz: MP3 would need 22,050
// times the frames, beyond what the resampler takes; it is refused at once.
TEST_F(SoundEditingTest, ARateBeyondWhatTheResamplerTakesIsRefused) {
  const std::string path = Source("one hertz.wav", SineSweep(100, 1, 1, 0.5F), Wav16FileFormat);
  EXPECT_THROW(WriteEditedSound(path, Keep(0, 100, Mp3(128)), music.Path()), SoundFileError);
  EXPECT_TRUE(Names(music.Path()).empty());
}
