#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "device/Clock.h"
#include "device/DeviceLink.h"
#include "device/ProgrammingResult.h"
#include "device/SoundPacking.h"
#include "device/UnitStatus.h"
#include "device/WireCommands.h"

// Song data goes to the unit in pieces of this size, one write call each.
constexpr std::size_t DataChunkSize = 4096;
// The read-back compares a song's first bytes in pieces of at most this size.
constexpr std::size_t VerifyChunkSize = 255;
// How many bytes from the start of each song the read-back compares.
constexpr std::size_t VerifyLength = 1024;
// The unit needs this pause between the bulk write command and its data.
constexpr std::chrono::milliseconds DataPause{125};
// What a memory holds as profile number when the profile has none.
constexpr std::uint16_t NoStoredProfileNumber = 0xFFFF;

// One sound of the programming list.
struct ProgramRow {
  std::string FileName;
  std::string Directory;  // ends in "/"
  std::int64_t Size = 0;  // the listed size, read from the row's size text

  std::string FullPath() const { return Directory + FileName; }
};

// What a programming run writes into the unit.
struct ProgrammingJob {
  std::vector<ProgramRow> Rows;  // every sound in global order, Btn1 first
  int ButtonOneSoundCount = 0;
  UnitStatus Status;  // the unit as last probed
  // The profile's number as its profile file holds it; memories store it.
  int ProfileNumber = NoStoredProfileNumber;
};

// What a programming run reports while it runs.
class ProgrammingObserver {
 public:
  virtual ~ProgrammingObserver() = default;
  virtual void ClearResultLine() = 0;
  virtual void ShowProgress(int percent) = 0;
  virtual void ShowProgrammerNotFound() = 0;
};

// Writes the sounds into the unit's memories and verifies them by reading
// back; the first step that fails ends the run with its code.
class ProgrammingSequence {
 public:
  ProgrammingSequence(const ProgrammingJob& job, DeviceLink& link, Clock& clock,
                      ProgrammingObserver& observer)
      : job_(job), link_(link), clock_(clock), observer_(observer) {}

  ProgrammingResult ProgramUnit();

 private:
  using MemoryHeader = std::array<std::uint8_t, MemoryHeaderSize>;

  bool CheckSongFiles(std::size_t songCount) const;
  int ProgramMemory(const MemoryAssignment& memory);
  bool ReadSongData(const MemoryAssignment& memory, std::vector<std::uint8_t>& data) const;
  int WriteMemory(const MemoryAssignment& memory, const std::vector<std::uint8_t>& data);
  int SendMemoryHeader(const MemoryAssignment& memory, MemoryHeader& expected);
  int SendSongEntries(const MemoryAssignment& memory, MemoryHeader& expected);
  int SendSongData(const MemoryAssignment& memory, const std::vector<std::uint8_t>& data);
  int ReadDataAcknowledgement();
  int ReadBackHeader(int slot, const MemoryHeader& expected);
  int VerifySongs(const MemoryAssignment& memory);
  int VerifySong(int slot, std::size_t song, std::uint32_t address, std::size_t length);
  void SendReadMemory(int slot, std::uint32_t address, std::uint32_t length);
  std::uint32_t FirstSongAddress(const MemoryAssignment& memory) const;

  const ProgrammingJob& job_;
  DeviceLink& link_;
  Clock& clock_;
  ProgrammingObserver& observer_;
};

// The profile number as a memory stores it: a number outside the profile
// range becomes "none".
std::uint16_t ProfileNumberOnTheWire(int profileNumber);
// From firmware 2.0 on, the header also carries the number of sounds of Btn1.
// A version text that is not a decimal number reads as 0.
bool HeaderCarriesButtonOneCount(const std::string& firmwareVersion);
