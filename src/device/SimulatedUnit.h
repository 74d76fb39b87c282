#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/FlashImage.h"
#include "device/ProgrammerDriver.h"
#include "device/UnitStatus.h"

// How a simulated command can go wrong.
enum class SimulatedFault {
  Silent,       // no answer at all
  Short,        // the answer lacks its last byte
  Refused,      // byte 0 of the answer is not the acknowledgement
  Late,         // the first read after the command gets nothing; the answer follows
  ChangedByte,  // the last byte of the answer is altered
  WriteFails,   // the write calls carrying bulk data fail
};

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

// A complete stand-in for the programmer and the unit behind it, written from
// the wire formats: memories chosen by device code with real flash images, a
// button count and a firmware version. What programming writes is what the
// probe and the read-back later read.
class SimulatedUnit final : public ProgrammerDriver {
 public:
  static constexpr const char* DefaultDescription = "QVT2 Vantora Programmer (simulated)";

  // Attached, without memories, eight buttons, firmware 02.07.
  SimulatedUnit();
  // The unit of the program's --simulate mode: memories 0x41 and 0x43.
  static std::unique_ptr<SimulatedUnit> StandardUnit();

  // Set-up.
  void Attach(bool attached) { attached_ = attached; }
  // Replaces the device list text (for a programmer among other devices).
  void SetDeviceList(std::string deviceList) { deviceList_ = std::move(deviceList); }
  void InstallMemory(int slot, std::uint8_t deviceCode,
                     std::uint8_t manufacturer = RecognisedManufacturer);
  void SetStoredProfileNumber(int slot, std::uint16_t profileNumber);
  // No value: the unit does not know the button-count command.
  void SetButtonCount(std::optional<std::uint8_t> buttonCount) { buttonCount_ = buttonCount; }
  void SetFirmwareVersion(std::array<std::uint8_t, 4> version) { firmwareVersion_ = version; }
  // The fault hits every matching command (all slots when none is given),
  // or only the next `times` of them, once `spared` of them went through
  // untouched.
  void InjectFault(std::uint8_t command, SimulatedFault fault,
                   std::optional<std::uint8_t> slot = std::nullopt, int times = -1,
                   int spared = 0);
  void FailOpen(bool fails) { openFails_ = fails; }
  void FailPurge(bool fails) { purgeFails_ = fails; }
  void FailClose(bool fails) { closeFails_ = fails; }
  // Turned off where many megabytes cross the link (the read counts stay).
  void RecordWrites(bool record) { recordWrites_ = record; }

  // Observation.
  const SimulatedTraffic& Traffic() const { return traffic_; }
  void ClearTraffic() { traffic_ = {}; }
  bool IsOpen() const { return open_; }
  const FlashImage* MemoryImage(int slot) const;
  std::size_t StoredBytes() const;

  // ProgrammerDriver.
  std::string ListDevices() override;
  DriverStatus Open(const std::string& description, DeviceHandle& handle) override;
  DriverStatus Close(DeviceHandle handle) override;
  DriverStatus Purge(DeviceHandle handle) override;
  DriverStatus Write(DeviceHandle handle, std::span<const std::uint8_t> data,
                     std::size_t& written) override;
  DriverStatus Read(DeviceHandle handle, std::span<std::uint8_t> buffer,
                    std::chrono::milliseconds timeout, std::size_t& received) override;

 private:
  struct Chip {
    std::uint8_t Manufacturer;
    std::uint8_t DeviceCode;
    FlashImage Image;
  };
  struct FaultRule {
    std::uint8_t Command;
    SimulatedFault Fault;
    std::optional<std::uint8_t> Slot;
    int Times;
    int Spared;
  };
  // The bulk data that a write-data command announced and that has not arrived yet.
  struct PendingData {
    int Slot = 0;
    std::uint32_t Address = 0;
    std::uint32_t Remaining = 0;
    bool Accepted = false;
    std::optional<SimulatedFault> Fault;
  };

  bool IsOurHandle(DeviceHandle handle) const;
  std::optional<SimulatedFault> TakeFault(std::uint8_t command, std::uint8_t slot);
  void HandleCommand(std::span<const std::uint8_t> command);
  std::vector<std::uint8_t> AnswerCommand(std::span<const std::uint8_t> command);
  std::vector<std::uint8_t> IdentifySlot(std::uint8_t slot) const;
  std::vector<std::uint8_t> BeginMemory(std::uint8_t slot);
  std::vector<std::uint8_t> MemoryHeader(std::span<const std::uint8_t> command);
  std::vector<std::uint8_t> SongEntry(std::span<const std::uint8_t> command);
  void AnnounceData(std::span<const std::uint8_t> command);
  std::vector<std::uint8_t> ReadMemory(std::span<const std::uint8_t> command) const;
  DriverStatus ReceiveData(std::span<const std::uint8_t> data, std::size_t& written);
  void QueueAnswer(std::vector<std::uint8_t> answer, std::optional<SimulatedFault> fault);
  Chip* MemoryIn(std::uint8_t slot);
  const Chip* MemoryIn(std::uint8_t slot) const;

  bool attached_ = true;
  std::optional<std::string> deviceList_;
  std::array<std::unique_ptr<Chip>, MemorySlotCount> memories_;
  std::optional<std::uint8_t> buttonCount_ = MaxButtonCount;
  std::array<std::uint8_t, 4> firmwareVersion_{0, 2, 0, 7};
  std::vector<FaultRule> faults_;
  bool openFails_ = false;
  bool purgeFails_ = false;
  bool closeFails_ = false;
  bool recordWrites_ = true;

  bool open_ = false;
  std::deque<std::uint8_t> answerBytes_;
  std::vector<std::uint8_t> heldBackAnswer_;
  PendingData pendingData_;
  SimulatedTraffic traffic_;
};
