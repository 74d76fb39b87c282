#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "device/ProgrammerDriver.h"

// Passes every call on to another driver, but can stop a programming run's
// thread at a command until the test lets it go on, so that the test can look
// at the pages in the middle of a run.
class GatedDriver final : public ProgrammerDriver {
 public:
  explicit GatedDriver(ProgrammerDriver& inner) : inner_(inner) {}

  // The next command write that starts with this byte waits for Open.
  void CloseAt(std::uint8_t command) {
    std::lock_guard lock(mutex_);
    command_ = command;
    closed_ = true;
    reached_ = false;
  }
  // False when no run reached the gate within a few seconds.
  bool WaitUntilReached() {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(10), [this] { return reached_; });
  }
  void Open() {
    std::lock_guard lock(mutex_);
    closed_ = false;
    changed_.notify_all();
  }

  std::string ListDevices() override { return inner_.ListDevices(); }
  DriverStatus Open(const std::string& description, DeviceHandle& handle) override {
    return inner_.Open(description, handle);
  }
  DriverStatus Close(DeviceHandle handle) override { return inner_.Close(handle); }
  DriverStatus Purge(DeviceHandle handle) override { return inner_.Purge(handle); }
  DriverStatus Write(DeviceHandle handle, std::span<const std::uint8_t> data,
                     std::size_t& written) override {
    {
      std::unique_lock lock(mutex_);
      if (closed_ && !reached_ && IsCommand(data) && data[0] == command_) {
        reached_ = true;
        changed_.notify_all();
        changed_.wait(lock, [this] { return !closed_; });
      }
    }
    return inner_.Write(handle, data, written);
  }
  DriverStatus Read(DeviceHandle handle, std::span<std::uint8_t> buffer,
                    std::chrono::milliseconds timeout, std::size_t& received) override {
    return inner_.Read(handle, buffer, timeout, received);
  }

 private:
  // Commands are short; song data goes in larger pieces.
  static bool IsCommand(std::span<const std::uint8_t> data) {
    return !data.empty() && data.size() <= 16;
  }

  ProgrammerDriver& inner_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::uint8_t command_ = 0;
  bool closed_ = false;
  bool reached_ = false;
};
