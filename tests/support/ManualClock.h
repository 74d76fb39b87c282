#pragma once

#include <functional>
#include <vector>

#include "device/Clock.h"

// A clock that moves only when told to, or by the sleeps it is asked for.
struct ManualClock final : Clock {
  std::int64_t Now = 0;
  std::vector<std::chrono::milliseconds> Sleeps;
  std::function<void(std::chrono::milliseconds)> OnSleep;  // on the thread that sleeps

  std::int64_t NowMilliseconds() override { return Now; }
  void Sleep(std::chrono::milliseconds duration) override {
    if (OnSleep) OnSleep(duration);
    Sleeps.push_back(duration);
    Now += duration.count();
  }
};
