#include <gtest/gtest.h>

#include <algorithm>

#include "SoundEditingFixture.h"
#include "soundediting/WaveformPeaks.h"

// Buckets of an eighth of a second over noise in the second half of every
// second: four silent, four loud. MP3 smears loud noise a little way into the
// silence around it, so the buckets next to the edges are not judged. The MP3
// is long enough to be decoded in parallel parts, which must each land in
// their own buckets: the burst of second 17 is left out to tell them apart.
TEST_F(SoundEditingTest, PeaksFollowTheBurstsAndSilencesOfMp3AndWav) {
  Signal bursts = NoiseBursts(24, 44100, 2, 0.8F);
  constexpr std::size_t Missing = 17;
  std::fill(bursts.Samples.begin() + Missing * 44100 * 2,
            bursts.Samples.begin() + (Missing + 1) * 44100 * 2, 0.0F);
  for (const int format : {Mp3FileFormat, Wav16FileFormat}) {
    const std::string path =
        Source(format == Mp3FileFormat ? "bursts.mp3" : "bursts.wav", bursts, format);
    const std::vector<PeakRange> peaks = ComputeWaveformPeaks(path, 192);
    ASSERT_EQ(peaks.size(), 192u) << path;
    for (std::size_t bucket = 0; bucket < peaks.size(); ++bucket) {
      const float level = std::max(-peaks[bucket].Min, peaks[bucket].Max);
      const bool inSilence = bucket % 8 == 1 || bucket % 8 == 2;
      const bool inBurst = bucket % 8 == 5 || bucket % 8 == 6;
      if (inSilence || (inBurst && bucket / 8 == Missing)) {
        EXPECT_LT(level, 0.05F) << path << " bucket " << bucket;
      } else if (inBurst) {
        EXPECT_GT(peaks[bucket].Max, 0.7F) << path << " bucket " << bucket;
        EXPECT_LT(peaks[bucket].Min, -0.7F) << path << " bucket " << bucket;
      }
    }
  }
}

TEST_F(SoundEditingTest, PeaksOfWhatIsNoSoundAreRefused) {
  WriteFile(songs.Path() + "notes.mp3", "not a sound at all");
  EXPECT_THROW(ComputeWaveformPeaks(songs.Path() + "notes.mp3", 10), SoundFileError);
}
