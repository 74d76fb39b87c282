#pragma once

#include <chrono>
#include <memory>
#include <span>

#include "device/FtdiDeviceList.h"
#include "device/FtdiReceiver.h"
#include "device/ProgrammerDriver.h"

struct ftdi_context;

// One open programmer: its libftdi1 context, with the transfers that receive
// its bytes.
class FtdiConnection {
 public:
  // Opens the FTDI device at this place with the latency timer at its
  // minimum. DriverDeviceBusy when another program has claimed it,
  // DriverDeviceNotFound when it is not there or does not open otherwise.
  static DriverStatus Open(const UsbDeviceKey& key, std::unique_ptr<FtdiConnection>& connection);
  ~FtdiConnection();
  FtdiConnection(const FtdiConnection&) = delete;
  FtdiConnection& operator=(const FtdiConnection&) = delete;

  DriverStatus Purge();
  DriverStatus Write(std::span<const std::uint8_t> data, std::size_t& written);
  DriverStatus Read(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout,
                    std::size_t& received);
  // False when the device, still attached, did not let go of its interface:
  // the connection then stays until a later close succeeds. A device that is
  // gone is closed.
  bool Close();

 private:
  explicit FtdiConnection(ftdi_context* ftdi) : ftdi_(ftdi) {}

  ftdi_context* ftdi_;
  std::unique_ptr<FtdiReceiver> receiver_;
};
