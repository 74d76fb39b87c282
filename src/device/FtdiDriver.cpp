#include "device/FtdiDriver.h"

#include <libusb.h>

#include <algorithm>

#include "device/FtdiConnection.h"

FtdiDriver::FtdiDriver() = default;

FtdiDriver::~FtdiDriver() = default;

std::string FtdiDriver::ListDevices() {
  // A context of its own sees exactly the devices attached now, without
  // waiting for hot-plug events.
  libusb_context* usb = nullptr;
  if (libusb_init(&usb) != 0) {
    devices_.Forget();
    return {};
  }
  std::string descriptions;
  for (const std::string& description : devices_.Refresh(usb)) {
    if (!descriptions.empty()) descriptions += ',';
    descriptions += description;
  }
  libusb_exit(usb);
  return descriptions;
}

std::optional<UsbIdentity> FtdiDriver::Identify(const std::string& description) {
  return devices_.Identify(description);
}

DriverStatus FtdiDriver::Open(const std::string& description, DeviceHandle& handle) {
  const std::optional<UsbDeviceKey> key = devices_.Find(description);
  if (!key) return DriverDeviceNotFound;
  std::unique_ptr<FtdiConnection> connection;
  const DriverStatus opened = FtdiConnection::Open(*key, connection);
  if (opened != DriverOk) return opened;
  handle = reinterpret_cast<DeviceHandle>(connection.get());
  connections_.push_back(std::move(connection));
  return DriverOk;
}

DriverStatus FtdiDriver::Close(DeviceHandle handle) {
  FtdiConnection* connection = ConnectionOf(handle);
  if (connection == nullptr) return DriverInvalidHandle;
  // After a failed close the link keeps its handle and closes it again later.
  if (!connection->Close()) return DriverIoError;
  std::erase_if(connections_, [connection](const auto& open) { return open.get() == connection; });
  return DriverOk;
}

DriverStatus FtdiDriver::Purge(DeviceHandle handle) {
  FtdiConnection* connection = ConnectionOf(handle);
  return connection ? connection->Purge() : DriverInvalidHandle;
}

DriverStatus FtdiDriver::Write(DeviceHandle handle, std::span<const std::uint8_t> data,
                               std::size_t& written) {
  written = 0;
  FtdiConnection* connection = ConnectionOf(handle);
  return connection ? connection->Write(data, written) : DriverInvalidHandle;
}

DriverStatus FtdiDriver::Read(DeviceHandle handle, std::span<std::uint8_t> buffer,
                              std::chrono::milliseconds timeout, std::size_t& received) {
  received = 0;
  FtdiConnection* connection = ConnectionOf(handle);
  return connection ? connection->Read(buffer, timeout, received) : DriverInvalidHandle;
}

FtdiConnection* FtdiDriver::ConnectionOf(DeviceHandle handle) const {
  const auto found = std::find_if(
      connections_.begin(), connections_.end(),
      [handle](const auto& open) { return reinterpret_cast<DeviceHandle>(open.get()) == handle; });
  return found == connections_.end() ? nullptr : found->get();
}
