#pragma once

#include <functional>
#include <vector>

#include "widgets/SoundOutput.h"

// An audio output without a device: it keeps what it was given to play, and a
// test ends the sound when it likes.
class FakeSoundOutput final : public SoundOutput {
 public:
  bool Play(const Sound& sound, std::function<void()> ended) override {
    if (!Available) return false;
    Played.push_back(sound);
    ended_ = std::move(ended);
    return true;
  }
  void Stop() override { ended_ = nullptr; }

  bool IsPlaying() const { return static_cast<bool>(ended_); }
  // The sound played to its end.
  void End() {
    auto ended = std::move(ended_);
    ended_ = nullptr;
    if (ended) ended();
  }

  bool Available = true;
  std::vector<Sound> Played;

 private:
  std::function<void()> ended_;
};
