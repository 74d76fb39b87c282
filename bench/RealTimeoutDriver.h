#pragma once

#include <thread>

#include "device/ForwardingDriver.h"

// Passes every call on to another driver, but a read that brings fewer bytes
// than asked for returns only once its time-out has passed, as the read of a
// real programmer does when the unit stays silent.
class RealTimeoutDriver final : public ForwardingDriver {
 public:
  using ForwardingDriver::ForwardingDriver;

  DriverStatus Read(DeviceHandle handle, std::span<std::uint8_t> buffer,
                    std::chrono::milliseconds timeout, std::size_t& received) override {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    const DriverStatus status = inner_.Read(handle, buffer, timeout, received);
    if (received < buffer.size()) std::this_thread::sleep_until(deadline);
    return status;
  }
};
