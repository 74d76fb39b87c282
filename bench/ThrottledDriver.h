#pragma once

#include <chrono>
#include <thread>

#include "device/ForwardingDriver.h"

// Passes every call on to another driver, but takes as long as the bytes would
// take on a link of the given speed. Like the programmer's chip, the link has
// a buffer for bytes from the host: a write returns once all but that many of
// its bytes are on the wire, and the rest go out while the host prepares the
// next write. An answer arrives only after everything written went out, and
// then takes its own bytes' time. The link's busy time runs on absolute
// deadlines, so a sleep that ends late does not add up over thousands of calls.
class ThrottledDriver final : public ForwardingDriver {
 public:
  ThrottledDriver(ProgrammerDriver& inner, double bytesPerSecond, std::size_t bufferBytes)
      : ForwardingDriver(inner),
        bytesPerSecond_(bytesPerSecond),
        bufferTime_(WireTime(bufferBytes)) {}

  std::uint64_t BytesOnTheWire() const { return bytes_; }

  DriverStatus Write(DeviceHandle handle, std::span<const std::uint8_t> data,
                     std::size_t& written) override {
    const DriverStatus status = inner_.Write(handle, data, written);
    bytes_ += written;
    busyUntil_ = std::max(busyUntil_, Clock::now()) + WireTime(written);
    std::this_thread::sleep_until(busyUntil_ - bufferTime_);
    return status;
  }
  DriverStatus Read(DeviceHandle handle, std::span<std::uint8_t> buffer,
                    std::chrono::milliseconds timeout, std::size_t& received) override {
    const DriverStatus status = inner_.Read(handle, buffer, timeout, received);
    bytes_ += received;
    busyUntil_ = std::max(busyUntil_, Clock::now()) + WireTime(received);
    std::this_thread::sleep_until(busyUntil_);
    return status;
  }

 private:
  using Clock = std::chrono::steady_clock;

  Clock::duration WireTime(std::size_t count) const {
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(static_cast<double>(count) / bytesPerSecond_));
  }

  double bytesPerSecond_;
  Clock::duration bufferTime_;
  std::uint64_t bytes_ = 0;
  Clock::time_point busyUntil_{};
};
