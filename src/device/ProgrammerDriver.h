#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// The handle of an open programmer; 0 means "not open".
using DeviceHandle = std::uintptr_t;

// A driver call's status: 0 is success, anything else a failure.
using DriverStatus = int;
constexpr DriverStatus DriverOk = 0;
constexpr DriverStatus DriverInvalidHandle = 1;
constexpr DriverStatus DriverDeviceNotFound = 2;
// Open found the device claimed by another program.
constexpr DriverStatus DriverDeviceBusy = 3;
constexpr DriverStatus DriverIoError = 4;

// How long a read waits for an answer to a command.
constexpr std::chrono::milliseconds AnswerTimeout{500};
// How long a read waits for the acknowledgement after a bulk data write: the
// unit answers only once it has programmed the data into its flash memory.
constexpr std::chrono::milliseconds DataAcknowledgementTimeout{20000};

// The calls that reach the USB programmer. A read returns what arrived within
// its time-out (0 bytes from a silent unit); it never waits forever.
class ProgrammerDriver {
 public:
  virtual ~ProgrammerDriver() = default;

  // The descriptions of all attached devices, separated by ",".
  virtual std::string ListDevices() = 0;
  virtual DriverStatus Open(const std::string& description, DeviceHandle& handle) = 0;
  virtual DriverStatus Close(DeviceHandle handle) = 0;
  // Empties the receive and transmit buffers.
  virtual DriverStatus Purge(DeviceHandle handle) = 0;
  virtual DriverStatus Write(DeviceHandle handle, std::span<const std::uint8_t> data,
                             std::size_t& written) = 0;
  virtual DriverStatus Read(DeviceHandle handle, std::span<std::uint8_t> buffer,
                            std::chrono::milliseconds timeout, std::size_t& received) = 0;
};
