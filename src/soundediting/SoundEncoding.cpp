#include "soundediting/SoundEncoding.h"

#include <algorithm>

#include "soundediting/SndfileHandle.h"

namespace {

// libsndfile turns its compression level into a LAME bit rate on a straight
// line from the MPEG version's highest bit rate (level 0) down to its lowest
// (level 1), dropping the fraction. The level aimed at half a kbit/s above
// the rate asked for gives exactly that rate; the tests read it back from
// every frame header.
double CompressionLevelFor(int bitRateKbps, int sampleRate) {
  const bool mpeg1 = sampleRate >= 32000;
  const double highest = mpeg1 ? 320 : 160;
  const double lowest = mpeg1 ? 32 : 8;
  return std::clamp((highest - bitRateKbps - 0.5) / (highest - lowest), 0.0, 1.0);
}

void Check(bool succeeded, SNDFILE* file, const std::string& path) {
  if (!succeeded) throw SoundFileError(path + ": " + sf_strerror(file));
}

// The level goes first and its answer is not the one that counts: libsndfile
// applies it to the variable bit rate it starts with, where the lowest rates'
// levels are out of range. Setting the constant mode applies the stored level
// again, now as a bit rate, and fails when no level was stored.
void SetUpMp3(SNDFILE* file, const std::string& path, int bitRateKbps, int sampleRate) {
  double level = CompressionLevelFor(bitRateKbps, sampleRate);
  int mode = SF_BITRATE_MODE_CONSTANT;
  sf_command(file, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
  Check(sf_command(file, SFC_SET_BITRATE_MODE, &mode, sizeof mode) == SF_TRUE, file, path);
}

}  // namespace

void EncodeSound(int descriptor, const std::string& path, const Sound& sound,
                 const OutputFormat& format, const WorkControl& control) {
  SF_INFO info{};
  info.samplerate = sound.SampleRate;
  info.channels = sound.Channels;
  info.format = format.Kind == SoundFileKind::Mp3 ? SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III
                                                  : SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SndfileHandle file(sf_open_fd(descriptor, SFM_WRITE, &info, SF_FALSE));
  if (!file) throw SoundFileError(path + ": " + sf_strerror(nullptr));
  if (format.Kind == SoundFileKind::Mp3) {
    SetUpMp3(file.get(), path, format.BitRateKbps, sound.SampleRate);
  } else {
    // Samples beyond full scale are clipped rather than wrapped around.
    sf_command(file.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);
  }
  const std::int64_t frames = sound.Frames();
  for (std::int64_t done = 0; done < frames;) {
    const std::int64_t piece = std::min<std::int64_t>(sound.SampleRate, frames - done);
    const float* samples = sound.Samples.data() + done * sound.Channels;
    Check(sf_writef_float(file.get(), samples, piece) == piece, file.get(), path);
    done += piece;
    control.Report(static_cast<double>(done) / static_cast<double>(frames));
    control.StopIfCancelled();
  }
  // Closing flushes the encoder and writes the Info frame.
  if (const int error = sf_close(file.release()); error != 0) {
    throw SoundFileError(path + ": " + sf_error_number(error));
  }
}
