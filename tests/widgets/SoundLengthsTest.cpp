#include <gtest/gtest.h>

#include <QSignalSpy>

#include "profiles/SoundFormat.h"
#include "support/Mp3Files.h"
#include "support/SignalWait.h"
#include "support/SoundFiles.h"
#include "support/TemporaryFolder.h"
#include "programmingrun/SoundLengths.h"

TEST(SoundLengths, LengthsAreShownAsMinutesAndSecondsRoundedToTheNearestSecond) {
  EXPECT_EQ(MinutesAndSeconds(0.4), "0:00");
  EXPECT_EQ(MinutesAndSeconds(9.5), "0:10");
  EXPECT_EQ(MinutesAndSeconds(59.6), "1:00");
  EXPECT_EQ(MinutesAndSeconds(3725), "62:05");
}

TEST(SoundLengths, TrueLengthsArriveFromTheBackgroundAndAReplacedFileIsMeasuredAgain) {
  const TemporaryFolder folder;
  const std::string vbr = folder.Path() + "vbr.mp3";
  Signal music = SineSweep(25, 44100, 2, 0.3F);
  const Signal bursts = NoiseBursts(25, 44100, 2, 0.3F);
  for (std::size_t at = 0; at < music.Samples.size(); ++at) music.Samples[at] += bursts.Samples[at];
  WriteVbrMp3WithoutTag(vbr, music);
  ASSERT_NE(MinutesAndSeconds(DecodeSound(vbr)->Seconds()), "0:25") << "the estimate is off";
  const std::string wav = folder.Path() + "long.wav";
  WriteSound(wav, 8000 * 90);
  const std::string fake = folder.Path() + "fake.mp3";
  WriteFile(fake, "a text file named like a sound");

  SoundLengths lengths;
  QSignalSpy arrived(&lengths, &SoundLengths::LengthsArrived);
  lengths.MeasureInBackground({{vbr, "1"}, {wav, "720044"}, {fake, "30"}});
  EXPECT_EQ(lengths.ShownLength(wav, "720044"), "") << "not measured yet";
  ASSERT_TRUE(Arrived(arrived));
  EXPECT_EQ(lengths.ShownLength(vbr, "1"), "0:25") << "the frames counted, not the estimate";
  EXPECT_EQ(lengths.ShownLength(wav, "720044"), "1:30");
  EXPECT_EQ(lengths.ShownLength(fake, "30"), "") << "no sound, no length";

  WriteSound(wav, 8000 * 30);
  lengths.MeasureInBackground({{wav, "720044"}, {wav, "240044"}});
  ASSERT_TRUE(Arrived(arrived, 2));
  EXPECT_EQ(lengths.ShownLength(wav, "240044"), "0:30");
  EXPECT_EQ(arrived.count(), 2) << "what is known is not measured again";
}
