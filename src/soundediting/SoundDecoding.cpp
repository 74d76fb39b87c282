#include "soundediting/SoundDecoding.h"

#include <algorithm>
#include <cmath>

#include "soundediting/SndfileHandle.h"

namespace {

sf_count_t FrameAt(double seconds, const SF_INFO& info) {
  if (std::isinf(seconds)) return seconds > 0 ? info.frames : 0;
  return std::clamp<sf_count_t>(std::llround(seconds * info.samplerate), 0, info.frames);
}

}  // namespace

Sound DecodeSoundFile(const std::string& path, double fromSeconds, double toSeconds) {
  SF_INFO info;
  SndfileHandle file = OpenSoundForReading(path, info);
  const sf_count_t first = FrameAt(fromSeconds, info);
  // An MP3 without an Info frame only estimates its length; the reading below
  // stops at its real end, and a whole file is read to that end.
  const sf_count_t wanted = std::isinf(toSeconds)
                                ? std::numeric_limits<sf_count_t>::max()
                                : std::max<sf_count_t>(FrameAt(toSeconds, info) - first, 0);
  if (first > 0 && sf_seek(file.get(), first, SEEK_SET) != first) {
    throw SoundFileError(path + ": " + sf_strerror(file.get()));
  }
  Sound sound;
  sound.SampleRate = info.samplerate;
  sound.Channels = info.channels;
  sound.Samples.reserve(static_cast<std::size_t>(std::min(wanted, info.frames) * info.channels));
  std::vector<float> block(static_cast<std::size_t>(BlockFrames * info.channels));
  for (sf_count_t done = 0; done < wanted;) {
    const sf_count_t read =
        sf_readf_float(file.get(), block.data(), std::min(BlockFrames, wanted - done));
    if (read <= 0) break;
    sound.Samples.insert(sound.Samples.end(), block.begin(), block.begin() + read * info.channels);
    done += read;
  }
  if (sf_error(file.get()) != SF_ERR_NO_ERROR) {
    throw SoundFileError(path + ": " + sf_strerror(file.get()));
  }
  return sound;
}
