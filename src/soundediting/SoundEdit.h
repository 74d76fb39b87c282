#pragma once

#include <cstdint>

#include "profiles/SoundFormat.h"
#include "soundediting/OutputFormat.h"

// What the sound editor makes of a sound; Make It Fit plans its changes as
// edits too.
struct SoundEdit {
  double StartSeconds = 0;
  double EndSeconds = 0;      // past StartSeconds; kept within the sound
  double FadeInSeconds = 0;   // 0 to MaxFadeSeconds
  double FadeOutSeconds = 0;  // 0 to MaxFadeSeconds
  bool Mono = false;          // mixed down to one channel
  bool EvenOutLoudness = false;
  OutputFormat Output;
};

// The frames, channels and sample rate an edit of a sound of this format
// writes.
SoundFormat EditedFormat(const SoundFormat& source, const SoundEdit& edit);

// Throws std::invalid_argument for an edit that cannot be written: an empty
// stretch, a fade outside 0 to MaxFadeSeconds, a bit rate not offered.
void CheckSoundEdit(const SoundEdit& edit);
