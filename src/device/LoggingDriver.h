#pragma once

#include <string>

#include "device/Clock.h"
#include "device/DeviceLog.h"
#include "device/ForwardingDriver.h"

// A driver that logs every call it passes on, as the programmer saw it: the
// device list, opens (a programmer claimed by another program among them),
// purges and closes, and the bytes of every write and read in hex (the first
// 32 of a larger transfer) with the count asked for, the count moved, the
// driver's status and the milliseconds the call took. All at the debug level:
// a user who turns it on sees what crossed the link.
class LoggingDriver final : public ForwardingDriver {
 public:
  LoggingDriver(ProgrammerDriver& inner, DeviceLog& log, Clock& clock)
      : ForwardingDriver(inner), log_(log), clock_(clock) {}

  std::string ListDevices() override;
  DriverStatus Open(const std::string& description, DeviceHandle& handle) override;
  DriverStatus Close(DeviceHandle handle) override;
  DriverStatus Purge(DeviceHandle handle) override;
  DriverStatus Write(DeviceHandle handle, std::span<const std::uint8_t> data,
                     std::size_t& written) override;
  DriverStatus Read(DeviceHandle handle, std::span<std::uint8_t> buffer,
                    std::chrono::milliseconds timeout, std::size_t& received) override;

 private:
  bool Logging() const { return log_.Wants(LogLevel::Debug); }
  void Log(const std::string& message) { log_.Write(LogLevel::Debug, message); }

  DeviceLog& log_;
  Clock& clock_;
};

// Bytes in hex, "CD 00", at most the first `shown` of them, with how many
// more there were.
std::string HexBytes(std::span<const std::uint8_t> bytes, std::size_t shown);
// A driver status as a word: "ok", "busy", ...
std::string StatusName(DriverStatus status);
