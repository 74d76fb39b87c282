#pragma once

#include <array>
#include <cstdint>
#include <string>

constexpr int MemorySlotCount = 8;
constexpr int MaxButtonCount = 8;
// A profile number above this, read from the unit, means "none".
constexpr int MaxStoredProfileNumber = 0xFEFE;
// The manufacturer byte of every memory the unit can program.
constexpr std::uint8_t RecognisedManufacturer = 0xBF;

// One memory slot of the unit, as the last full probe found it.
struct MemorySlot {
  std::uint32_t Capacity = 0;  // usable bytes; 0 = no memory recognised
  std::uint8_t DeviceCode = 0;
  std::uint8_t WriteCommand = 0;  // meaningful only while DeviceCode is not 0
  std::uint8_t WriteWidth = 0;
  std::int32_t ProfileNumber = -1;  // -1 = none
};

// What the probe learned about the unit.
struct UnitStatus {
  std::int32_t MemoryCount = 0;
  std::int32_t ButtonCount = MaxButtonCount;
  std::string FirmwareVersion;
  std::array<MemorySlot, MemorySlotCount> Slots{};
  bool UnitPresent = false;

  // The cleared state; UnitPresent is not part of it.
  void Clear();
  std::uint32_t TotalCapacity() const;
};

// A memory that the unit can program, by its device code.
struct RecognisedMemory {
  std::uint8_t DeviceCode;
  std::uint32_t Capacity;
  std::uint8_t WriteCommand;
  std::uint8_t WriteWidth;
};

// The table entry for a device code, or nullptr when the code is not known.
const RecognisedMemory* FindRecognisedMemory(std::uint8_t deviceCode);
