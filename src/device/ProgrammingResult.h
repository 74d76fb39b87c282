#pragma once

#include <cstddef>

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
};

struct ProgrammingResult {
  ProgrammingCode Code = ProgrammingCode::Succeeded;
  // The sounds at the end of the list that did not fit into the unit's
  // memories, so that a successful run did not write them.
  std::size_t NotWrittenCount = 0;

  bool Succeeded() const { return Code == ProgrammingCode::Succeeded; }
};
