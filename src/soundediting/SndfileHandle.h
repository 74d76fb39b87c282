#pragma once

#include <sndfile.h>

#include <memory>
#include <string>

#include "soundediting/SoundFileError.h"

// Frames decoded at a time: large enough for few calls, small enough for the
// cache.
constexpr sf_count_t BlockFrames = 16384;

// An open libsndfile file, closed with the object.
struct SndfileCloser {
  void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndfileHandle = std::unique_ptr<SNDFILE, SndfileCloser>;

inline SndfileHandle OpenSoundForReading(const std::string& path, SF_INFO& info) {
  info = SF_INFO{};
  SndfileHandle file(sf_open(path.c_str(), SFM_READ, &info));
  if (!file) throw SoundFileError(path + ": " + sf_strerror(nullptr));
  if (info.channels < 1 || info.samplerate < 1) throw SoundFileError(path + ": holds no sound");
  return file;
}
