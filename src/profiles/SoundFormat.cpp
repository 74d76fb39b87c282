#include "profiles/SoundFormat.h"

#include <sndfile.h>

#include <vector>

namespace {

// The unit plays MP3 and WAV; the decoder reads many more kinds.
bool IsMp3OrWav(int format) {
  const int type = format & SF_FORMAT_TYPEMASK;
  return type == SF_FORMAT_WAV || type == SF_FORMAT_WAVEX || type == SF_FORMAT_MPEG;
}

}  // namespace

std::optional<SoundFormat> DecodeSound(const std::string& path) {
  SF_INFO info{};
  SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
  if (file == nullptr) return std::nullopt;
  bool decodes = IsMp3OrWav(info.format) && info.samplerate > 0 && info.channels > 0;
  // A header alone is no sound: its first samples must decode too.
  if (decodes && info.frames > 0) {
    constexpr sf_count_t FirstFrames = 64;
    std::vector<float> samples(static_cast<std::size_t>(FirstFrames * info.channels));
    decodes = sf_readf_float(file, samples.data(), FirstFrames) > 0;
  }
  sf_close(file);
  if (!decodes) return std::nullopt;
  return SoundFormat{info.frames, info.samplerate, info.channels};
}
