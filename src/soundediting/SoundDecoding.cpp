#include "soundediting/SoundDecoding.h"

#include <algorithm>
#include <cmath>

#include "soundediting/Mp3Reading.h"
#include "soundediting/SndfileHandle.h"

namespace {

constexpr std::size_t Mp3ReadBytes = 1 << 16;
// A float WAV may hold any value, also none (NaN) or infinity, and damaged
// MP3 frames decode to as wild values; the MP3 encoder cannot take them (it
// aborts the program). Sound above full scale is kept
// up to this far, so that a float file that peaks above it can still be
// turned down whole; beyond it there is no sound, only damage.
constexpr float HighestSample = 16.0F;

void KeepWithinReason(std::vector<float>& samples) {
  for (float& sample : samples) {
    sample = std::isfinite(sample) ? std::clamp(sample, -HighestSample, HighestSample) : 0.0F;
  }
}

std::int64_t FrameAt(double seconds, int sampleRate, std::int64_t frames) {
  if (std::isinf(seconds)) return seconds > 0 ? frames : 0;
  return std::clamp<std::int64_t>(std::llround(seconds * sampleRate), 0, frames);
}

// Through mpg123 as the true length was measured, so that a whole sound's
// edit keeps every frame of it.
Sound DecodeMp3(const std::string& path, double fromSeconds, double toSeconds) {
  const std::shared_ptr<const FileBytes> bytes = ReadWholeFile(path);
  const Mp3Layout layout = ScanMp3(path, bytes);
  MemoryCursor cursor{bytes};
  Mpg123Handle handle = OpenMp3(path, cursor, &layout);
  const auto rate = static_cast<int>(layout.SampleRate);
  const std::int64_t first = FrameAt(fromSeconds, rate, layout.Frames);
  const std::int64_t end = FrameAt(toSeconds, rate, layout.Frames);
  if (first > 0 && mpg123_seek(handle.get(), static_cast<off_t>(first), SEEK_SET) != first) {
    FailMp3(path, handle.get());
  }
  Sound sound;
  sound.SampleRate = rate;
  sound.Channels = layout.Channels;
  sound.Samples.reserve(static_cast<std::size_t>(std::max<std::int64_t>(end - first, 0)) *
                        static_cast<std::size_t>(layout.Channels));
  std::vector<float> block(Mp3ReadBytes / sizeof(float));
  for (std::int64_t frame = first; frame < end;) {
    size_t bytesRead = 0;
    const int result = mpg123_read(handle.get(), block.data(), Mp3ReadBytes, &bytesRead);
    const auto frames = static_cast<std::int64_t>(bytesRead / sizeof(float)) / layout.Channels;
    const std::int64_t kept = std::min(frames, end - frame);
    sound.Samples.insert(sound.Samples.end(), block.begin(),
                         block.begin() + static_cast<std::ptrdiff_t>(kept * layout.Channels));
    frame += kept;
    if (result == MPG123_DONE) break;
    // The first read announces the format, which the handle has fixed.
    if (result != MPG123_OK && result != MPG123_NEW_FORMAT) FailMp3(path, handle.get());
  }
  KeepWithinReason(sound.Samples);
  return sound;
}

Sound DecodeWithSndfile(const std::string& path, SNDFILE* file, const SF_INFO& info,
                        double fromSeconds, double toSeconds) {
  const sf_count_t first = FrameAt(fromSeconds, info.samplerate, info.frames);
  const sf_count_t wanted =
      std::max<sf_count_t>(FrameAt(toSeconds, info.samplerate, info.frames) - first, 0);
  if (first > 0 && sf_seek(file, first, SEEK_SET) != first) {
    throw SoundFileError(path + ": " + sf_strerror(file));
  }
  Sound sound;
  sound.SampleRate = info.samplerate;
  sound.Channels = info.channels;
  sound.Samples.reserve(static_cast<std::size_t>(wanted * info.channels));
  std::vector<float> block(static_cast<std::size_t>(BlockFrames * info.channels));
  for (sf_count_t done = 0; done < wanted;) {
    const sf_count_t read = sf_readf_float(file, block.data(), std::min(BlockFrames, wanted - done));
    if (read <= 0) break;
    sound.Samples.insert(sound.Samples.end(), block.begin(), block.begin() + read * info.channels);
    done += read;
  }
  if (sf_error(file) != SF_ERR_NO_ERROR) throw SoundFileError(path + ": " + sf_strerror(file));
  KeepWithinReason(sound.Samples);
  return sound;
}

}  // namespace

Sound DecodeSoundFile(const std::string& path, double fromSeconds, double toSeconds) {
  SF_INFO info;
  SndfileHandle file = OpenSoundForReading(path, info);
  // libsndfile tells what the file holds, whatever its name says.
  if ((info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG) {
    file.reset();
    return DecodeMp3(path, fromSeconds, toSeconds);
  }
  return DecodeWithSndfile(path, file.get(), info, fromSeconds, toSeconds);
}
