#pragma once

#include <atomic>
#include <semaphore>

#include "device/ForwardingDriver.h"

// Passes every call on to another driver, but can stop a programming run's
// thread at a command until the test lets it go on, so that the test can look
// at the pages in the middle of a run.
class GatedDriver final : public ForwardingDriver {
 public:
  using ForwardingDriver::ForwardingDriver;

  // The next command write that starts with this byte waits for Open.
  void CloseAt(std::uint8_t command) { gate_ = command; }
  // False when no run reached the gate within a few seconds.
  bool WaitUntilReached() { return reached_.try_acquire_for(std::chrono::seconds(10)); }
  void Open() {
    if (gate_.exchange(Opened) == Held) released_.release();
  }

  DriverStatus Write(DeviceHandle h, std::span<const std::uint8_t> data,
                     std::size_t& written) override {
    // Commands are short; song data goes in larger pieces.
    int command = data.empty() || data.size() > 16 ? Opened : data[0];
    if (command != Opened && gate_.compare_exchange_strong(command, Held)) {
      reached_.release();
      released_.acquire();
    }
    return inner_.Write(h, data, written);
  }

 private:
  static constexpr int Opened = -1, Held = -2;
  std::atomic<int> gate_ = Opened;
  std::binary_semaphore reached_{0}, released_{0};
};
