#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/ProgrammerDriver.h"
#include "device/UnitModel.h"

// The driver calls that reached the simulated programmer, and the bytes written.
struct SimulatedTraffic {
  int ListCalls = 0;
  int OpenCalls = 0;
  int CloseCalls = 0;
  int PurgeCalls = 0;
  int WriteCalls = 0;
  int ReadCalls = 0;
  std::vector<std::vector<std::uint8_t>> Writes;  // each write call's bytes, in order
  std::vector<std::size_t> Reads;                 // each read call's byte count, in order
};

// A complete stand-in for the programmer and the unit behind it: the driver
// calls of a programmer that lists itself, opens, purges and closes, carrying
// the bytes of each write to the unit model and its answers back.
class SimulatedUnit final : public ProgrammerDriver {
 public:
  static constexpr const char* DefaultDescription = "QVT2 Vantora Programmer (simulated)";
  // The simulated chip's product id, that of FTDI's FT232R; it has no serial number.
  static constexpr std::uint16_t ProductId = 0x6001;

  // Attached, without memories, eight buttons, firmware 02.07.
  SimulatedUnit() = default;
  explicit SimulatedUnit(UnitModel unit) : unit_(std::move(unit)) {}
  // The unit of the program's --simulate mode: memories 0x41 and 0x43.
  static std::unique_ptr<SimulatedUnit> StandardUnit();

  // Set-up of the programmer.
  void Attach(bool attached) { attached_ = attached; }
  // Replaces the device list text (for a programmer among other devices).
  void SetDeviceList(std::string deviceList) { deviceList_ = std::move(deviceList); }
  void FailOpen(bool fails) { openFails_ = fails; }
  // Another program, not this one, has claimed the programmer: opening it is refused as busy.
  void ClaimElsewhere(bool claimed) { claimedElsewhere_ = claimed; }
  void FailPurge(bool fails) { purgeFails_ = fails; }
  void FailClose(bool fails) { closeFails_ = fails; }
  // Turned off where many megabytes cross the link (the read counts stay).
  void RecordWrites(bool record) { recordWrites_ = record; }

  // Set-up of the unit.
  void InstallMemory(int slot, std::uint8_t deviceCode,
                     std::uint8_t manufacturer = RecognisedManufacturer) {
    unit_.InstallMemory(slot, deviceCode, manufacturer);
  }
  void SetStoredProfileNumber(int slot, std::uint16_t profileNumber) {
    unit_.SetStoredProfileNumber(slot, profileNumber);
  }
  void SetButtonCount(std::optional<std::uint8_t> buttonCount) {
    unit_.SetButtonCount(buttonCount);
  }
  void SetFirmwareVersion(std::array<std::uint8_t, 4> version) {
    unit_.SetFirmwareVersion(version);
  }
  void InjectFault(std::uint8_t command, SimulatedFault fault,
                   std::optional<std::uint8_t> slot = std::nullopt, int times = -1,
                   int spared = 0) {
    unit_.InjectFault(command, fault, slot, times, spared);
  }

  void SpoilCell(int slot, std::uint32_t address) { unit_.SpoilCell(slot, address); }

  // Observation.
  const SimulatedTraffic& Traffic() const { return traffic_; }
  void ClearTraffic() { traffic_ = {}; }
  bool IsOpen() const { return open_; }
  const FlashImage* MemoryImage(int slot) const { return unit_.MemoryImage(slot); }
  std::size_t StoredBytes() const { return unit_.StoredBytes(); }

  // ProgrammerDriver.
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
  bool IsOurHandle(DeviceHandle handle) const;

  UnitModel unit_;
  bool attached_ = true;
  std::optional<std::string> deviceList_;
  bool openFails_ = false;
  bool claimedElsewhere_ = false;
  bool purgeFails_ = false;
  bool closeFails_ = false;
  bool recordWrites_ = true;

  bool open_ = false;
  SimulatedTraffic traffic_;
};
