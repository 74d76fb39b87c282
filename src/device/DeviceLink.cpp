#include "device/DeviceLink.h"

std::optional<std::string> FindProgrammerInList(std::string_view deviceList) {
  std::size_t entryStart = 0;
  while (true) {
    const std::size_t separator = deviceList.find(',', entryStart);
    const std::string_view entry = deviceList.substr(entryStart, separator - entryStart);
    if (entry.starts_with(ProgrammerPrefix)) return std::string(entry);
    if (separator == std::string_view::npos) return std::nullopt;
    entryStart = separator + 1;
  }
}

std::optional<std::string> DeviceLink::FindProgrammer() {
  return FindProgrammerInList(driver_.ListDevices());
}

LinkOpening DeviceLink::OpenLink() {
  if (Handle != 0) return LinkOpening::AlreadyOpen;
  const DriverStatus opened = driver_.Open(Description, Handle);
  if (opened != DriverOk) {
    Handle = 0;
    return opened == DriverDeviceBusy ? LinkOpening::InUse : LinkOpening::OpenFailed;
  }
  if (driver_.Purge(Handle) != DriverOk) return LinkOpening::PurgeFailed;
  return LinkOpening::Opened;
}

LinkClosing DeviceLink::CloseLink() {
  if (Handle == 0) return LinkClosing::WasNotOpen;
  if (driver_.Close(Handle) != DriverOk) return LinkClosing::CloseFailed;
  Handle = 0;
  return LinkClosing::Closed;
}

LinkTransfer DeviceLink::SendBytes(std::span<const std::uint8_t> data) {
  LinkTransfer transfer;
  if (Handle == 0) {
    transfer.Status = DriverInvalidHandle;
    return transfer;
  }
  transfer.Status = driver_.Write(Handle, data, transfer.Count);
  return transfer;
}

LinkTransfer DeviceLink::ReceiveBytes(std::span<std::uint8_t> buffer,
                                      std::chrono::milliseconds timeout) {
  LinkTransfer transfer;
  if (Handle == 0) {
    transfer.Status = DriverInvalidHandle;
    return transfer;
  }
  transfer.Status = driver_.Read(Handle, buffer, timeout, transfer.Count);
  if (transfer.Count > buffer.size()) transfer.Count = buffer.size();
  return transfer;
}
