#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <istream>
#include <optional>
#include <stop_token>
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
// The read-back compares a song's bytes in pieces of at most this size.
constexpr std::size_t VerifyChunkSize = 255;
// How many bytes from the start of each song the quick read-back compares,
// and the most one read request asks for: the length the unit is known to
// serve.
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

// How much of each song the read-back compares with its file: its first
// KiB, or every byte.
enum class Verification { Quick, Full };

// What a programming run writes into the unit.
struct ProgrammingJob {
  std::vector<ProgramRow> Rows;  // every sound in global order, Btn1 first
  int ButtonOneSoundCount = 0;
  UnitStatus Status;  // the unit as last probed
  // The profile's number as its profile file holds it; memories store it.
  int ProfileNumber = NoStoredProfileNumber;
  // The rows packed into the memories of Status.
  SoundPacking Packing;
  Verification Verify = Verification::Full;
};

// The steps of a run.
enum class RunPhase { Writing, Verifying };

// What a programming run reports while it runs, in the unit's terms.
class ProgrammingObserver {
 public:
  virtual ~ProgrammingObserver() = default;
  // A memory's writing begins, or the reading back of what it holds.
  virtual void PhaseBegun(RunPhase phase, int slot) = 0;
  // Bytes written or read back so far in the whole run, of all it moves.
  virtual void BytesMoved(std::uint64_t done, std::uint64_t total) = 0;
  // The programmer could not be opened: it is gone.
  virtual void ProgrammerLost() = 0;
  // A memory's programming ended, with its code.
  virtual void MemoryFinished(int /*slot*/, ProgrammingCode /*code*/) {}
};

// Writes the sounds into the unit's memories as the job packed them and
// verifies them by reading back, one request at a time; the first step that
// fails ends the run with its code. A stop requested through the token is
// honoured between pieces of song data, between read requests and between
// memories, never inside a command and its answer.
class ProgrammingSequence {
 public:
  ProgrammingSequence(const ProgrammingJob& job, DeviceLink& link, Clock& clock,
                      ProgrammingObserver& observer, std::stop_token stop = {})
      : job_(job), link_(link), clock_(clock), observer_(observer), stop_(std::move(stop)) {}

  ProgrammingResult ProgramUnit();

 private:
  using MemoryHeader = std::array<std::uint8_t, MemoryHeaderSize>;

  bool CheckSongFiles(std::size_t songCount);
  ProgrammingCode ProgramMemory(const MemoryAssignment& memory);
  bool ReadSongData(const MemoryAssignment& memory, std::vector<std::uint8_t>& data);
  // The song's file could not be read whole.
  ProgrammingCode Unreadable(std::size_t song);
  ProgrammingCode WriteMemory(const MemoryAssignment& memory,
                              const std::vector<std::uint8_t>& data);
  ProgrammingCode SendMemoryHeader(const MemoryAssignment& memory, MemoryHeader& expected);
  ProgrammingCode SendSongEntries(const MemoryAssignment& memory, MemoryHeader& expected);
  ProgrammingCode SendSongData(const MemoryAssignment& memory,
                               const std::vector<std::uint8_t>& data);
  ProgrammingCode ReadDataAcknowledgement();
  ProgrammingCode ReadBackHeader(int slot, const MemoryHeader& expected);
  ProgrammingCode VerifySongs(const MemoryAssignment& memory);
  // Bytes [from, to) of every song of the memory, as far as each goes.
  ProgrammingCode CompareSongs(const MemoryAssignment& memory, std::int64_t from, std::int64_t to);
  // One read request: `length` bytes of the song from `offset` on.
  ProgrammingCode CompareStretch(int slot, std::size_t song, std::uint32_t songAddress,
                                 std::int64_t offset, std::size_t length, std::istream& file);
  void SendReadMemory(int slot, std::uint32_t address, std::uint32_t length);
  std::uint32_t FirstSongAddress(const MemoryAssignment& memory) const;
  // The bytes the run writes and reads back, for its progress.
  std::uint64_t BytesToMove() const;
  void Moved(std::size_t bytes);

  const ProgrammingJob& job_;
  DeviceLink& link_;
  Clock& clock_;
  ProgrammingObserver& observer_;
  std::stop_token stop_;
  std::uint64_t moved_ = 0;
  std::uint64_t toMove_ = 0;
  std::optional<SongDifference> difference_;
  std::optional<std::size_t> unreadableRow_;
};

// The profile number as a memory stores it: a number outside the profile
// range becomes "none".
std::uint16_t ProfileNumberOnTheWire(int profileNumber);
// From firmware 2.0 on, the header also carries the number of sounds of Btn1.
// A version text that is not a decimal number reads as 0.
bool HeaderCarriesButtonOneCount(const std::string& firmwareVersion);
