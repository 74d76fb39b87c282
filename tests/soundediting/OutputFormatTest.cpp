#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "Mp3FrameWalk.h"
#include "SoundEditingFixture.h"
#include "profiles/SoundFormat.h"
#include "soundediting/EditDefaults.h"
#include "soundediting/SizeEstimate.h"

namespace {

// Sources at the rates of both MPEG versions and at rates MP3 does not take
// (MPEG-2.5's 8 kHz, a studio's 96 kHz), and the rates MP3 writes for them at
// 128 and at 192 kbit/s.
struct Rates {
  int Source;
  int At128;
  int At192;
};
constexpr Rates SourceRates[] = {{44100, 44100, 44100}, {32000, 32000, 32000},
                                 {22050, 22050, 44100}, {16000, 16000, 32000},
                                 {8000, 22050, 44100},  {96000, 22050, 44100}};

const std::set<int> Mpeg1Rates = {32000, 44100, 48000};
const std::set<int> Mpeg2Rates = {16000, 22050, 24000};

SoundFormat FormatOf(const std::string& path) {
  const std::optional<SoundFormat> format = DecodeSound(path);
  return format ? *format : SoundFormat{};
}

}  // namespace

// Every frame of every offered setting is a standard MPEG-1 or MPEG-2 Layer
// III frame of the bit rate asked for, and the unit's decoder check takes the
// file at the rate it was written at.
TEST_F(SoundEditingTest, Mp3FramesCarryTheAskedBitRateAndAnAllowedSampleRate) {
  for (const Rates& rates : SourceRates) {
    const std::string source = Source(std::to_string(rates.Source) + ".wav",
                                      SineSweep(0.3, rates.Source, 2, 0.5F), Wav16FileFormat);
    for (const int kbps : Mp3BitRates) {
      const std::string written = WriteEditedSound(source, Keep(0, 0.3, Mp3(kbps)), music.Path());
      const Mp3FrameWalk walk = WalkMp3Frames(FileText(written));
      const int rate = walk.Headers.empty() ? 0 : walk.Headers.front().SampleRate;
      EXPECT_TRUE(walk.Complete) << written;
      ASSERT_FALSE(walk.Headers.empty()) << written;
      for (const Mp3FrameHeader& header : walk.Headers) {
        EXPECT_EQ(std::tuple(header.Layer, header.BitRateKbps, header.SampleRate),
                  std::tuple(3, kbps, rate))
            << written;
        EXPECT_EQ(header.Version, Mpeg1Rates.contains(rate) ? "1" : "2") << written;
      }
      EXPECT_TRUE(Mpeg1Rates.contains(rate) || Mpeg2Rates.contains(rate)) << written;
      if (kbps == 128 || kbps == 192) {
        EXPECT_EQ(rate, kbps == 128 ? rates.At128 : rates.At192) << written;
      }
      const SoundFormat decoded = FormatOf(written);
      EXPECT_EQ(std::pair(decoded.SampleRate, decoded.Channels), std::pair(rate, 2)) << written;
      std::filesystem::remove(written);
    }
  }
}

TEST_F(SoundEditingTest, WavIsSixteenBitPcmAtTheSourceRate) {
  const std::string source = Source("low.wav", SineSweep(0.5, 8000, 1, 0.5F), Wav16FileFormat);
  const std::string written = WriteEditedSound(source, Keep(0, 0.5, Wav), music.Path());
  SF_INFO info{};
  SNDFILE* file = sf_open(written.c_str(), SFM_READ, &info);
  ASSERT_NE(file, nullptr);
  sf_close(file);
  EXPECT_EQ(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
  EXPECT_EQ(std::pair(info.samplerate, info.channels), std::pair(8000, 1));
  EXPECT_TRUE(DecodeSound(written).has_value());
}

TEST_F(SoundEditingTest, WrittenSizeIsWithinThreePercentOfTheEstimate) {
  const std::string cd = Source("cd.wav", SineSweep(4, 44100, 2, 0.5F), Wav16FileFormat);
  const std::string radio = Source("radio.mp3", NoiseBursts(4, 22050, 1, 0.5F), Mp3FileFormat);
  const std::string phone = Source("phone.wav", NoiseBursts(4, 8000, 1, 0.5F), Wav16FileFormat);
  for (const std::string& source : {cd, radio, phone}) {
    const SoundFormat format = FormatOf(source);
    for (const OutputFormat output : {Wav, Mp3(32), Mp3(56), Mp3(128), Mp3(192)}) {
      for (const bool mono : {false, true}) {
        SoundEdit edit = Keep(0.25, 3.25, output);
        edit.Mono = mono;
        const std::string written = WriteEditedSound(source, edit, music.Path());
        const auto estimate = static_cast<double>(EstimateEditedBytes(format, edit));
        EXPECT_NEAR(static_cast<double>(std::filesystem::file_size(written)), estimate,
                    0.03 * estimate)
            << written << " at " << output.BitRateKbps << (mono ? " mono" : "");
        std::filesystem::remove(written);
      }
    }
  }
}

// An 80 kbit/s mono MP3 is written as one; a WAV as WAV; a 100 kbit/s MP3 at
// 96, one of 20 kbit/s at the lowest rate offered.
TEST_F(SoundEditingTest, AnEditStartsFromTheSourcesKindChannelsAndBitRate) {
  const std::string wav = Source("mono.wav", SineSweep(3, 22050, 1, 0.5F), Wav16FileFormat);
  SoundEdit mono80 = Keep(0, 3, Mp3(80));
  mono80.Mono = true;
  const std::string mp3 = WriteEditedSound(wav, mono80, music.Path());
  const SoundEdit fromMp3 = EditFromSource(*MeasureSound(mp3));
  EXPECT_EQ(fromMp3.Output.Kind, SoundFileKind::Mp3);
  EXPECT_EQ(fromMp3.Output.BitRateKbps, 80);
  EXPECT_TRUE(fromMp3.Mono);
  EXPECT_NEAR(fromMp3.EndSeconds, 3, 0.001);
  const std::string stereo = Source("stereo.wav", SineSweep(1, 44100, 2, 0.5F), Wav16FileFormat);
  const SoundEdit fromWav = EditFromSource(*MeasureSound(stereo));
  EXPECT_EQ(fromWav.Output.Kind, SoundFileKind::Wav);
  EXPECT_FALSE(fromWav.Mono);
  EXPECT_EQ(OfferedBitRateUpTo(100), 96);
  EXPECT_EQ(OfferedBitRateUpTo(20), 32);
  EXPECT_EQ(OfferedBitRateUpTo(320), 192);
}
