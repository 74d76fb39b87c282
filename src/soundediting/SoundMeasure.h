#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "profiles/SoundFormat.h"
#include "soundediting/OutputFormat.h"

// A sound file as the sound editor and Make It Fit count it.
struct SoundMeasure {
  // At the sound's true length: for an MP3 from a scan of every frame, which
  // the header's estimate is not where a file has no Xing, Info or VBRI tag or
  // was joined after its tag. Decoding the file gives these frames (fewer
  // where frames are damaged, never more).
  SoundFormat Format;
  SoundFileKind Kind = SoundFileKind::Wav;
  // An MP3's bit rate averaged over its frames; 0 for WAV.
  int BitRateKbps = 0;
  std::int64_t Bytes = 0;  // of the file
};

// The measure of an MP3 or WAV file, or nothing when it does not decode as
// one (the check of DecodeSound). Each file is measured once: an unchanged
// file (same size and modification time) is answered from memory. Reads a
// whole MP3 (about 20 ms for five minutes): call it off the GUI thread. Safe
// on any thread.
std::optional<SoundMeasure> MeasureSound(const std::string& path);
