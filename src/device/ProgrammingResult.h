#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// How a programming run ended. The values are the codes users see ("ERROR
// -5."): 0 is success, each failing step has its own.
enum class ProgrammingCode : int {
  Succeeded = 0,
  CloseFailed = -1,
  SongFileUnreadable = -2,
  SongDataWriteFailed = -3,
  ReadMemoryRefused = -4,
  SongDataRefused = -5,
  SongEntryRefused = -6,
  MemoryHeaderRefused = -7,
  BeginMemoryRefused = -8,
  ReadBackDiffers = -9,
  ProgrammerUnreachable = -10,
  SongDataUnacknowledged = -11,
  NoSongsToProgram = -12,
  SongTooLarge = -13,
  // Stopped on request between two pieces or memories; no number is shown.
  Stopped = -100,
  // Another program holds the programmer; nothing was sent.
  ProgrammerInUse = -101,
};

// Where the read-back first differed from a song's file: the song's row in
// the list and the byte within the song, counted from 0.
struct SongDifference {
  std::size_t Row = 0;
  std::int64_t Byte = 0;
};

struct ProgrammingResult {
  ProgrammingCode Code = ProgrammingCode::Succeeded;
  // The sounds at the end of the list that did not fit into the unit's
  // memories, so that a successful run did not write them.
  std::size_t NotWrittenCount = 0;
  // With ReadBackDiffers in a song; none when the header differed.
  std::optional<SongDifference> Difference = std::nullopt;
  // With SongFileUnreadable: the row of the song whose file could not be read whole.
  std::optional<std::size_t> UnreadableRow = std::nullopt;

  bool Succeeded() const { return Code == ProgrammingCode::Succeeded; }
};
