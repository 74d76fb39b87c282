#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "device/FlashImage.h"
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

// The unit behind the programmer, written from the wire formats: memories
// chosen by device code with real flash images, a button count and a firmware
// version. It takes the bytes of each write (a command, or a piece of the data
// a write-data command announced) and queues its answers. What programming
// writes is what the probe and the read-back later read. Whatever carries the
// bytes (a driver stand-in, an emulated USB chip) only moves them.
class UnitModel {
 public:
  // Without memories, eight buttons, firmware 02.07.
  UnitModel();
  // The unit of the program's --simulate mode: memories 0x41 and 0x43.
  static UnitModel StandardUnit();

  UnitModel(UnitModel&&) = default;
  UnitModel& operator=(UnitModel&&) = default;

  // Set-up.
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
                   std::optional<std::uint8_t> slot = std::nullopt, int times = -1, int spared = 0);
  // A flash cell that does not take what is written to it: the byte stored
  // at `address` of the memory comes out with one bit flipped.
  void SpoilCell(int slot, std::uint32_t address) { spoiledCell_ = {slot, address}; }

  // The bytes of one write. False when the unit refuses them (a write of
  // bulk data under the WriteFails fault).
  bool Receive(std::span<const std::uint8_t> bytes);
  // Moves answer bytes into `buffer`; returns how many.
  std::size_t TakeAnswer(std::span<std::uint8_t> buffer);
  // Forgets the answers not yet taken.
  void DropAnswers();
  // The link closed: also forgets the data announced and not yet received.
  void Reset();

  // Observation.
  const FlashImage* MemoryImage(int slot) const;
  std::size_t StoredBytes() const;

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

  std::optional<SimulatedFault> TakeFault(std::uint8_t command, std::uint8_t slot);
  void HandleCommand(std::span<const std::uint8_t> command);
  std::vector<std::uint8_t> AnswerCommand(std::span<const std::uint8_t> command);
  std::vector<std::uint8_t> IdentifySlot(std::uint8_t slot) const;
  std::vector<std::uint8_t> BeginMemory(std::uint8_t slot);
  std::vector<std::uint8_t> MemoryHeader(std::span<const std::uint8_t> command);
  std::vector<std::uint8_t> SongEntry(std::span<const std::uint8_t> command);
  void AnnounceData(std::span<const std::uint8_t> command);
  std::vector<std::uint8_t> ReadMemory(std::span<const std::uint8_t> command) const;
  bool ReceiveData(std::span<const std::uint8_t> data);
  void QueueAnswer(std::vector<std::uint8_t> answer, std::optional<SimulatedFault> fault);
  Chip* MemoryIn(std::uint8_t slot);
  const Chip* MemoryIn(std::uint8_t slot) const;

  std::array<std::unique_ptr<Chip>, MemorySlotCount> memories_;
  std::optional<std::uint8_t> buttonCount_ = MaxButtonCount;
  std::array<std::uint8_t, 4> firmwareVersion_{0, 2, 0, 7};
  std::vector<FaultRule> faults_;
  std::optional<std::pair<int, std::uint32_t>> spoiledCell_;

  std::deque<std::uint8_t> answerBytes_;
  std::vector<std::uint8_t> heldBackAnswer_;
  PendingData pendingData_;
};
