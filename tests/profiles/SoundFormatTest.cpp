#include <gtest/gtest.h>

#include "profiles/SoundFormat.h"
#include "support/SoundFiles.h"
#include "support/TemporaryFolder.h"

namespace {

// A FLAC file: a real sound, but not one the unit plays.
void WriteFlac(const std::string& path) {
  SF_INFO info{};
  info.samplerate = 8000;
  info.channels = 1;
  info.format = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  ASSERT_NE(file, nullptr);
  const std::vector<short> samples(800, 1000);
  sf_writef_short(file, samples.data(), 800);
  sf_close(file);
}

std::string Decoded(const std::string& path) {
  const std::optional<SoundFormat> format = DecodeSound(path);
  if (!format) return "none";
  return std::to_string(format->Frames) + " frames, " + std::to_string(format->SampleRate) +
         " Hz, " + std::to_string(format->Channels);
}

}  // namespace

TEST(SoundFormat, OnlyFilesThatDecodeAsMp3OrWavAreSoundsWhateverTheirName) {
  const TemporaryFolder folder;
  const std::string at = folder.Path();
  WriteTone(at + "tone.mp3", 1.5, 22050, 2);
  WriteTone(at + "tone.wav", 0.5, 44100, 1);
  WriteWav(at + "wav named.mp3", 44 + 800);
  WriteWav(at + "no samples.wav", 44);
  WriteFlac(at + "tone.flac");
  WriteFile(at + "text.mp3", "a text file renamed\n");
  WriteFile(at + "empty.wav", "");
  std::string truncated = FileText(at + "tone.mp3");
  WriteFile(at + "header only.mp3", truncated.substr(0, 4));
  const std::pair<const char*, const char*> files[] = {{"tone.mp3", "33075 frames, 22050 Hz, 2"},
                                                       {"tone.wav", "22050 frames, 44100 Hz, 1"},
                                                       {"wav named.mp3", "800 frames, 8000 Hz, 1"},
                                                       {"no samples.wav", "0 frames, 8000 Hz, 1"},
                                                       {"tone.flac", "none"},
                                                       {"text.mp3", "none"},
                                                       {"empty.wav", "none"},
                                                       {"header only.mp3", "none"},
                                                       {"missing.wav", "none"}};
  for (const auto& [name, decoded] : files) EXPECT_EQ(Decoded(at + name), decoded) << name;
}
