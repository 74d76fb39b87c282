#include "device/SimulatedUnit.h"

#include "device/FtdiDeviceList.h"

namespace {
constexpr DeviceHandle SimulatedHandle = 0x5156;
}

std::unique_ptr<SimulatedUnit> SimulatedUnit::StandardUnit() {
  return std::make_unique<SimulatedUnit>(UnitModel::StandardUnit());
}

std::string SimulatedUnit::ListDevices() {
  ++traffic_.ListCalls;
  if (deviceList_) return *deviceList_;
  return attached_ ? DefaultDescription : "";
}

std::optional<UsbIdentity> SimulatedUnit::Identify(const std::string& description) {
  if (!attached_ || !description.starts_with("QVT2")) return std::nullopt;
  return UsbIdentity{FtdiVendorId, ProductId, ""};
}

DriverStatus SimulatedUnit::Open(const std::string& description, DeviceHandle& handle) {
  ++traffic_.OpenCalls;
  if (!attached_ || openFails_ || !description.starts_with("QVT2")) return DriverDeviceNotFound;
  if (claimedElsewhere_) return DriverDeviceBusy;
  open_ = true;
  handle = SimulatedHandle;
  return DriverOk;
}

DriverStatus SimulatedUnit::Close(DeviceHandle handle) {
  ++traffic_.CloseCalls;
  if (closeFails_) return DriverIoError;
  if (!IsOurHandle(handle)) return DriverInvalidHandle;
  open_ = false;
  unit_.Reset();
  return DriverOk;
}

DriverStatus SimulatedUnit::Purge(DeviceHandle handle) {
  ++traffic_.PurgeCalls;
  if (!IsOurHandle(handle)) return DriverInvalidHandle;
  if (purgeFails_) return DriverIoError;
  unit_.DropAnswers();
  return DriverOk;
}

DriverStatus SimulatedUnit::Write(DeviceHandle handle, std::span<const std::uint8_t> data,
                                  std::size_t& written) {
  ++traffic_.WriteCalls;
  written = 0;
  if (!IsOurHandle(handle)) return DriverInvalidHandle;
  if (!attached_) return DriverIoError;
  if (recordWrites_) traffic_.Writes.emplace_back(data.begin(), data.end());
  if (!unit_.Receive(data)) return DriverIoError;
  written = data.size();
  return DriverOk;
}

DriverStatus SimulatedUnit::Read(DeviceHandle handle, std::span<std::uint8_t> buffer,
                                 std::chrono::milliseconds, std::size_t& received) {
  ++traffic_.ReadCalls;
  traffic_.Reads.push_back(buffer.size());
  received = 0;
  if (!IsOurHandle(handle)) return DriverInvalidHandle;
  if (!attached_) return DriverIoError;
  received = unit_.TakeAnswer(buffer);
  return DriverOk;
}

bool SimulatedUnit::IsOurHandle(DeviceHandle handle) const {
  return open_ && handle == SimulatedHandle;
}
