#include "soundediting/SampleRateConversion.h"

#include <samplerate.h>

#include <string>

#include "soundediting/SoundFileError.h"
#include "translation/Translated.h"

std::int64_t ConvertedFrameCount(std::int64_t frames, int fromRate, int toRate) {
  return frames * toRate / fromRate;
}

void ConvertSampleRate(Sound& sound, int sampleRate) {
  if (sound.SampleRate == sampleRate) return;
  const double ratio = static_cast<double>(sampleRate) / sound.SampleRate;
  // Checked before the room for the result is taken: a rate of a few hertz
  // (which only a damaged header gives) would take gigabytes for nothing.
  if (src_is_valid_ratio(ratio) == 0) {
    throw SoundFileError(
        Filled(Translated("SoundEditing", "a sound of %1 Hz cannot be converted to %2 Hz"),
               {std::to_string(sound.SampleRate), std::to_string(sampleRate)}));
  }
  const std::int64_t wanted = ConvertedFrameCount(sound.Frames(), sound.SampleRate, sampleRate);
  // Room for the converter's rounding beyond the count asked for.
  std::vector<float> converted(static_cast<std::size_t>((wanted + 16) * sound.Channels));
  SRC_DATA data{};
  data.data_in = sound.Samples.data();
  data.input_frames = static_cast<long>(sound.Frames());
  data.data_out = converted.data();
  data.output_frames = static_cast<long>(wanted + 16);
  data.src_ratio = ratio;
  if (const int error = src_simple(&data, SRC_SINC_MEDIUM_QUALITY, sound.Channels); error != 0) {
    throw SoundFileError(std::string("resampling: ") + src_strerror(error));
  }
  // Exactly the count that the size estimate counts on: the converter may
  // give a frame more, or less (which is then silence).
  converted.resize(static_cast<std::size_t>(wanted * sound.Channels));
  sound.Samples = std::move(converted);
  sound.SampleRate = sampleRate;
}
