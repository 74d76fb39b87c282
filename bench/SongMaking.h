#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "soundediting/EditedSound.h"
#include "support/SoundSignals.h"

// A temporary folder for the sound editor's benchmarks, removed with the object.
class SoundFolder {
 public:
  SoundFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vantora-bench-XXXXXX").string();
    folder_ = std::string(::mkdtemp(pattern.data())) + "/";
  }
  ~SoundFolder() { std::filesystem::remove_all(folder_); }
  SoundFolder(const SoundFolder&) = delete;
  SoundFolder& operator=(const SoundFolder&) = delete;

  const std::string& Path() const { return folder_; }  // ends in "/"

  // A song of music-like sound, a glide with noise bursts, as a 44.1 kHz
  // stereo MP3 at a constant bit rate, written by the editor's own encoder.
  std::string Song(const std::string& name, double seconds, int kbps) const {
    const std::string wav = folder_ + name + ".wav";
    Signal signal = SineSweep(seconds, 44100, 2, 0.4F);
    const Signal bursts = NoiseBursts(seconds, 44100, 2, 0.3F);
    for (std::size_t sample = 0; sample < signal.Samples.size(); ++sample) {
      signal.Samples[sample] += bursts.Samples[sample];
    }
    WriteSignal(wav, signal, Wav16FileFormat);
    SoundEdit whole;
    whole.EndSeconds = seconds;
    whole.Output = {SoundFileKind::Mp3, kbps};
    const std::string written = WriteEditedSound(wav, whole, folder_);
    const std::string song = folder_ + name + ".mp3";
    std::filesystem::rename(written, song);
    std::filesystem::remove(wav);
    return song;
  }

 private:
  std::string folder_;
};
