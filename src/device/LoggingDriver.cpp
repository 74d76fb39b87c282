#include "device/LoggingDriver.h"

#include <algorithm>

namespace {

// What a larger transfer shows of its bytes.
constexpr std::size_t ShownBytes = 32;

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

}  // namespace

std::string HexBytes(std::span<const std::uint8_t> bytes, std::size_t shown) {
  constexpr char digits[] = "0123456789ABCDEF";
  const std::size_t count = std::min(bytes.size(), shown);
  std::string text;
  text.reserve(count * 3 + 24);
  for (std::size_t at = 0; at < count; ++at) {
    if (at > 0) text += ' ';
    text += digits[bytes[at] >> 4];
    text += digits[bytes[at] & 15];
  }
  if (bytes.size() > count) text += " \u2026 (+" + std::to_string(bytes.size() - count) + ")";
  return text;
}

std::string StatusName(DriverStatus status) {
  switch (status) {
    case DriverOk:
      return "ok";
    case DriverInvalidHandle:
      return "invalid handle";
    case DriverDeviceNotFound:
      return "device not found";
    case DriverDeviceBusy:
      return "busy, claimed by another program";
    case DriverIoError:
      return "I/O error";
    default:
      return "status " + std::to_string(status);
  }
}

std::string LoggingDriver::ListDevices() {
  const std::string devices = inner_.ListDevices();
  if (Logging()) Log("list: " + (devices.empty() ? std::string("no device") : Quoted(devices)));
  return devices;
}

DriverStatus LoggingDriver::Open(const std::string& description, DeviceHandle& handle) {
  const std::int64_t start = clock_.NowMilliseconds();
  const DriverStatus status = inner_.Open(description, handle);
  if (Logging()) {
    Log("open " + Quoted(description) + ": " + StatusName(status) +
        (status == DriverOk ? ", interface claimed" : "") + " (" +
        std::to_string(clock_.NowMilliseconds() - start) + " ms)");
  }
  return status;
}

DriverStatus LoggingDriver::Close(DeviceHandle handle) {
  const DriverStatus status = inner_.Close(handle);
  if (Logging()) Log("close: " + StatusName(status));
  return status;
}

DriverStatus LoggingDriver::Purge(DeviceHandle handle) {
  const DriverStatus status = inner_.Purge(handle);
  if (Logging()) Log("purge: " + StatusName(status));
  return status;
}

DriverStatus LoggingDriver::Write(DeviceHandle handle, std::span<const std::uint8_t> data,
                                  std::size_t& written) {
  if (!Logging()) return inner_.Write(handle, data, written);
  const std::int64_t start = clock_.NowMilliseconds();
  const DriverStatus status = inner_.Write(handle, data, written);
  Log("write " + std::to_string(data.size()) + " bytes: " + HexBytes(data, ShownBytes) + " (" +
      std::to_string(written) + " written, " + StatusName(status) + ", " +
      std::to_string(clock_.NowMilliseconds() - start) + " ms)");
  return status;
}

DriverStatus LoggingDriver::Read(DeviceHandle handle, std::span<std::uint8_t> buffer,
                                 std::chrono::milliseconds timeout, std::size_t& received) {
  if (!Logging()) return inner_.Read(handle, buffer, timeout, received);
  const std::int64_t start = clock_.NowMilliseconds();
  const DriverStatus status = inner_.Read(handle, buffer, timeout, received);
  const std::size_t arrived = std::min(received, buffer.size());
  Log("read " + std::to_string(buffer.size()) + " bytes within " +
      std::to_string(timeout.count()) + " ms: " +
      (arrived == 0 ? std::string("nothing arrived")
                    : HexBytes(buffer.first(arrived), ShownBytes)) +
      " (" + std::to_string(received) + " arrived, " + StatusName(status) + ", " +
      std::to_string(clock_.NowMilliseconds() - start) + " ms)");
  return status;
}
