#pragma once

#include <functional>

#include "soundediting/Sound.h"

// The machine's audio output, for hearing sounds inside the program; tests
// plug in one that needs no device.
class SoundOutput {
 public:
  virtual ~SoundOutput() = default;

  // Starts the sound from its first frame in place of any sound playing.
  // `ended` is called on this thread once it has played to its end, never
  // after Stop. False when the machine has no audio output or it refused
  // the sound; nothing plays then.
  virtual bool Play(const Sound& sound, std::function<void()> ended) = 0;
  virtual void Stop() = 0;
};
