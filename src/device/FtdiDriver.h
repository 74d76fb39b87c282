#pragma once

#include "device/ProgrammerDriver.h"

struct ftdi_context;

// The programmer on real hardware, through libftdi1. Without USB access (no
// device nodes, no permission) the device list is simply empty.
class FtdiDriver final : public ProgrammerDriver {
 public:
  FtdiDriver() = default;
  ~FtdiDriver() override;
  FtdiDriver(const FtdiDriver&) = delete;
  FtdiDriver& operator=(const FtdiDriver&) = delete;

  std::string ListDevices() override;
  DriverStatus Open(const std::string& description, DeviceHandle& handle) override;
  DriverStatus Close(DeviceHandle handle) override;
  DriverStatus Purge(DeviceHandle handle) override;
  DriverStatus Write(DeviceHandle handle, std::span<const std::uint8_t> data,
                     std::size_t& written) override;
  DriverStatus Read(DeviceHandle handle, std::span<std::uint8_t> buffer,
                    std::chrono::milliseconds timeout, std::size_t& received) override;

 private:
  // Kept for listing, so that each probe tick does not set up USB access anew.
  ftdi_context* listContext_ = nullptr;
};
