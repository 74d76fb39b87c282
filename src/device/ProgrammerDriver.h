#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
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

// What a USB device tells of itself beyond its description.
struct UsbIdentity {
  std::uint16_t VendorId = 0;
  std::uint16_t ProductId = 0;
  std::string Serial;  // empty when the device has none
};

// The calls that reach the USB programmer. A read returns what arrived within
// its time-out (0 bytes from a silent unit); it never waits forever.
class ProgrammerDriver {
 public:
  virtual ~ProgrammerDriver() = default;

  // The descriptions of all attached devices, separated by ",".
  virtual std::string ListDevices() = 0;
  // The ids and serial number of the device of this description, as the last
  // list found it; none when it was not listed.
  virtual std::optional<UsbIdentity> Identify(const std::string& description) = 0;
  virtual DriverStatus Open(const std::string& description, DeviceHandle& handle) = 0;
  virtual DriverStatus Close(DeviceHandle handle) = 0;
  // Empties the receive and transmit buffers.
  virtual DriverStatus Purge(DeviceHandle handle) = 0;
  virtual DriverStatus Write(DeviceHandle handle, std::span<const std::uint8_t> data,
                             std::size_t& written) = 0;
  virtual DriverStatus Read(DeviceHandle handle, std::span<std::uint8_t> buffer,
                            std::chrono::milliseconds timeout, std::size_t& received) = 0;
};
