// Any bytes as a sound file that a user adds, named .mp3 or .wav, through
// every place where such a file enters: the decode check, the measure of its
// true length, the waveform, the size estimate and an edit of the whole
// sound. None may crash, hang or leak; what is no sound is refused with
// SoundFileError. An edit estimated at no bytes is refused, and a whole sound
// is never written larger than estimated (Make It Fit counts on that: damaged
// MP3 frames decode to fewer samples than they hold, never to more). The
// original is only read.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "FuzzInput.h"
#include "soundediting/EditedSound.h"
#include "soundediting/SizeEstimate.h"
#include "soundediting/SoundMeasure.h"
#include "soundediting/WaveformPeaks.h"
#include "support/TemporaryFolder.h"

namespace {

namespace fs = std::filesystem;

// On a memory file system where there is one: every input writes files.
struct Folder {
  Folder() {
    const fs::path base = fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path();
    std::string pattern = (base / "sound-intake-XXXXXX").string();
    Path = std::string(::mkdtemp(pattern.data())) + "/";
  }
  ~Folder() { fs::remove_all(Path); }
  std::string Path;
};

// The output of the edit: mostly WAV, which is quick; MP3 at any offered rate.
OutputFormat OutputOf(std::uint8_t choice) {
  if (choice % 4 != 0) return {SoundFileKind::Wav, 0};
  return {SoundFileKind::Mp3, Mp3BitRates[(choice / 4) % Mp3BitRates.size()]};
}

// MeasureSound runs the decode check first.
void TakeIn(const std::string& path, const std::string& folder, const std::string& bytes,
            std::uint8_t choice) {
  const std::optional<SoundMeasure> measure = MeasureSound(path);
  try {
    Require(ComputeWaveformPeaks(path, 64).size() == 64);
  } catch (const SoundFileError&) {
  }
  if (!measure || measure->Format.Frames <= 0) return;
  SoundEdit whole;
  whole.EndSeconds = measure->Format.Seconds();
  whole.Mono = (choice & 0x80) != 0;
  whole.Output = OutputOf(choice);
  const std::int64_t estimate = EstimateEditedBytes(measure->Format, whole);
  try {
    const std::string written = WriteEditedSound(path, whole, folder);
    Require(estimate > 0 && static_cast<std::int64_t>(fs::file_size(written)) <= estimate);
    fs::remove(written);
  } catch (const SoundFileError&) {
  }
  Require(FileText(path) == bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const Folder folder;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::uint8_t choice = size > 0 ? data[size - 1] : 0;
  // The name counts where the bytes alone do not tell the kind: libsndfile
  // takes a file named .mp3 for MPEG audio. Written anew each time, so that
  // it is measured anew: a file rewritten in place within the file system's
  // clock tick, at the same size, would be taken as measured already.
  const std::string path = folder.Path + ((choice & 0x40) != 0 ? "sound.wav" : "sound.mp3");
  WriteFile(path, bytes);
  TakeIn(path, folder.Path, bytes, choice);
  fs::remove(path);
  return 0;
}
