#pragma once

#include "device/ProgrammerDriver.h"

// A driver that passes every call on to another. Stand-ins that change some
// calls of a driver (a slower link, a run held at a command, garbled answers)
// derive from it and override only those.
class ForwardingDriver : public ProgrammerDriver {
 public:
  explicit ForwardingDriver(ProgrammerDriver& inner) : inner_(inner) {}

  std::string ListDevices() override { return inner_.ListDevices(); }
  std::optional<UsbIdentity> Identify(const std::string& description) override {
    return inner_.Identify(description);
  }
  DriverStatus Open(const std::string& description, DeviceHandle& handle) override {
    return inner_.Open(description, handle);
  }
  DriverStatus Close(DeviceHandle handle) override { return inner_.Close(handle); }
  DriverStatus Purge(DeviceHandle handle) override { return inner_.Purge(handle); }
  DriverStatus Write(DeviceHandle handle, std::span<const std::uint8_t> data,
                     std::size_t& written) override {
    return inner_.Write(handle, data, written);
  }
  DriverStatus Read(DeviceHandle handle, std::span<std::uint8_t> buffer,
                    std::chrono::milliseconds timeout, std::size_t& received) override {
    return inner_.Read(handle, buffer, timeout, received);
  }

 protected:
  ProgrammerDriver& inner_;
};
