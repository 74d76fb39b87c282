#pragma once

#include <memory>
#include <vector>

#include "device/FtdiDeviceList.h"
#include "device/ProgrammerDriver.h"

class FtdiConnection;

// The programmer on real hardware, through libusb and libftdi1. It lists
// every FTDI device (vendor 0x0403, any product id) by its product string.
// Without USB access (no device nodes, no permission) the list is simply
// empty.
class FtdiDriver final : public ProgrammerDriver {
 public:
  FtdiDriver();
  ~FtdiDriver() override;
  FtdiDriver(const FtdiDriver&) = delete;
  FtdiDriver& operator=(const FtdiDriver&) = delete;

  std::string ListDevices() override;
  std::optional<UsbIdentity> Identify(const std::string& description) override;
  DriverStatus Open(const std::string& description, DeviceHandle& handle) override;
  DriverStatus Close(DeviceHandle handle) override;
  DriverStatus Purge(DeviceHandle handle) override;
  DriverStatus Write(DeviceHandle handle, std::span<const std::uint8_t> data,
                     std::size_t& written) override;
  DriverStatus Read(DeviceHandle handle, std::span<std::uint8_t> buffer,
                    std::chrono::milliseconds timeout, std::size_t& received) override;

 private:
  FtdiConnection* ConnectionOf(DeviceHandle handle) const;

  FtdiDeviceList devices_;
  std::vector<std::unique_ptr<FtdiConnection>> connections_;
};
