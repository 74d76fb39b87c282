#include <gtest/gtest.h>

#include "SoundEditingFixture.h"
#include "soundediting/SoundMeasure.h"
#include "support/Mp3Files.h"

namespace {

constexpr long Mp3FrameSamples = 1152;

// Music-like: a glide under noise bursts, so that a variable bit rate varies.
Signal Music(double seconds) {
  Signal signal = SineSweep(seconds, 44100, 2, 0.3F);
  const Signal bursts = NoiseBursts(seconds, 44100, 2, 0.3F);
  for (std::size_t at = 0; at < signal.Samples.size(); ++at) signal.Samples[at] += bursts.Samples[at];
  return signal;
}

}  // namespace

class TrueLengthTest : public SoundEditingTest {
 protected:
  std::string VbrWithoutTag(const std::string& name, double seconds) {
    const std::string path = songs.Path() + name;
    WriteVbrMp3WithoutTag(path, Music(seconds));
    return path;
  }
  // Two MP3s joined byte for byte, each with the Info tag of its own length.
  std::string Joined(const std::string& name) {
    const std::string first = Source("first.mp3", Music(10), Mp3FileFormat);
    const std::string second = Source("second.mp3", Music(20), Mp3FileFormat);
    WriteFile(songs.Path() + name, FileText(first) + FileText(second));
    return songs.Path() + name;
  }
};

TEST_F(TrueLengthTest, Mp3sWithoutATagThatTellsTheirLengthAreMeasuredAtTheLengthTheyDecodeTo) {
  for (const std::string& path : {VbrWithoutTag("vbr.mp3", 30), Joined("joined.mp3")}) {
    const long decoded = DecodedMp3Frames(path);
    ASSERT_NE(DecodeSound(path)->Frames, decoded) << path << ": the header's estimate is off";
    const std::optional<SoundMeasure> measure = MeasureSound(path);
    ASSERT_TRUE(measure) << path;
    EXPECT_NEAR(measure->Format.Frames, decoded, Mp3FrameSamples) << path;
    EXPECT_EQ(measure->Kind, SoundFileKind::Mp3);
    EXPECT_EQ(measure->Format.SampleRate, 44100);
    EXPECT_EQ(measure->Format.Channels, 2);
  }
}

TEST_F(TrueLengthTest, AWholeSoundEditKeepsEveryFrameOfTheSource) {
  for (const std::string& path : {VbrWithoutTag("vbr.mp3", 30), Joined("joined.mp3")}) {
    const SoundFormat format = MeasureSound(path)->Format;
    const long decoded = DecodedMp3Frames(path);
    const std::string mp3 = WriteEditedSound(path, Keep(0, format.Seconds(), Mp3(128)), music.Path());
    EXPECT_NEAR(DecodedMp3Frames(mp3), decoded, Mp3FrameSamples) << path;
    const std::string wav = WriteEditedSound(path, Keep(0, format.Seconds(), Wav), music.Path());
    EXPECT_NEAR(DecodeSound(wav)->Frames, decoded, Mp3FrameSamples) << path;
  }
}

TEST_F(TrueLengthTest, AFileMeasuredIsMeasuredAgainOnlyOnceItChanged) {
  const std::string path = songs.Path() + "ding.wav";
  WriteSignal(path, SineSweep(2, 8000, 1, 0.5F), Wav16FileFormat);
  EXPECT_EQ(MeasureSound(path)->Format.Frames, 16000);
  WriteSignal(path, SineSweep(3, 8000, 1, 0.5F), Wav16FileFormat);
  EXPECT_EQ(MeasureSound(path)->Format.Frames, 24000);
  WriteFile(path, "no sound");
  EXPECT_FALSE(MeasureSound(path));
}
