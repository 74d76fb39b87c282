#pragma once

#include <lame/lame.h>
#include <mpg123.h>

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/SoundSignals.h"

// MP3 files that libsndfile does not write: variable bit rate without the
// Xing tag that tells a decoder the length, as `lame -V 0 -t` writes them.
inline void WriteVbrMp3WithoutTag(const std::string& path, const Signal& signal) {
  lame_global_flags* lame = lame_init();
  lame_set_num_channels(lame, signal.Channels);
  lame_set_in_samplerate(lame, signal.SampleRate);
  lame_set_VBR(lame, vbr_default);
  lame_set_VBR_quality(lame, 0);
  lame_set_bWriteVbrTag(lame, 0);
  if (lame_init_params(lame) < 0) throw std::runtime_error("LAME refuses the settings");
  const std::size_t frames = signal.Frames();
  std::vector<float> left(frames);
  std::vector<float> right(frames);
  for (std::size_t frame = 0; frame < frames; ++frame) {
    left[frame] = signal.Samples[frame * signal.Channels];
    right[frame] = signal.Samples[frame * signal.Channels + signal.Channels - 1];
  }
  std::vector<unsigned char> mp3(frames * 5 / 4 + 7200);
  int bytes = lame_encode_buffer_ieee_float(lame, left.data(), right.data(),
                                            static_cast<int>(frames), mp3.data(),
                                            static_cast<int>(mp3.size()));
  bytes += lame_encode_flush(lame, mp3.data() + bytes, static_cast<int>(mp3.size()) - bytes);
  lame_close(lame);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(mp3.data()), static_cast<std::streamsize>(bytes));
}

// The frames a plain mpg123 decode of the whole file gives, read to its end:
// the length as a player hears it.
inline long DecodedMp3Frames(const std::string& path) {
  mpg123_handle* handle = mpg123_new(nullptr, nullptr);
  mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
  if (mpg123_open(handle, path.c_str()) != MPG123_OK) {
    mpg123_delete(handle);
    return -1;
  }
  long rate = 0;
  int channels = 0;
  int encoding = 0;
  mpg123_getformat(handle, &rate, &channels, &encoding);
  const long bytesPerFrame = channels * mpg123_encsize(encoding);
  std::vector<unsigned char> buffer(1 << 16);
  long decodedBytes = 0;
  for (;;) {
    size_t read = 0;
    const int result = mpg123_read(handle, buffer.data(), buffer.size(), &read);
    decodedBytes += static_cast<long>(read);
    if (result != MPG123_OK && result != MPG123_NEW_FORMAT) break;
  }
  mpg123_close(handle);
  mpg123_delete(handle);
  return decodedBytes / bytesPerFrame;
}
