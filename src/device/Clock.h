#pragma once

#include <chrono>
#include <cstdint>
#include <thread>

// Milliseconds now, and waiting; tests stand in their own.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t NowMilliseconds() = 0;
  virtual void Sleep(std::chrono::milliseconds duration) = 0;
};

class SystemClock final : public Clock {
 public:
  std::int64_t NowMilliseconds() override {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }
  void Sleep(std::chrono::milliseconds duration) override { std::this_thread::sleep_for(duration); }
};
