#pragma once

#include <string>

// The codes of a programming run: 0 is success, each failing step has its own.
constexpr int ProgrammingSucceeded = 0;
constexpr int CloseFailed = -1;
constexpr int SongFileUnreadable = -2;
constexpr int SongDataWriteFailed = -3;
constexpr int ReadMemoryRefused = -4;
constexpr int SongDataRefused = -5;
constexpr int SongEntryRefused = -6;
constexpr int MemoryHeaderRefused = -7;
constexpr int BeginMemoryRefused = -8;
constexpr int ReadBackDiffers = -9;
constexpr int ProgrammerUnreachable = -10;
constexpr int SongDataUnacknowledged = -11;
constexpr int NoSongsToProgram = -12;
constexpr int SongTooLarge = -13;

// How a programming run ended, with the text the page shows for it.
struct ProgrammingResult {
  int Code = ProgrammingSucceeded;
  std::string ErrorText;

  bool Succeeded() const { return Code == ProgrammingSucceeded; }
};

// The result of a code with its error text (empty for success).
ProgrammingResult ResultFor(int code);
