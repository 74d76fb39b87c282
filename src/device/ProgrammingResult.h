#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

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
  // The sounds at the end of the list that did not fit into the unit's
  // memories, so that a successful run did not write them.
  std::size_t NotWrittenCount = 0;

  bool Succeeded() const { return Code == ProgrammingSucceeded; }
};

// The result of a code with its error text (empty for success).
ProgrammingResult ResultFor(int code);

// Elapsed milliseconds as seconds in the shortest decimal form: 2500 gives
// "2.5", 3000 gives "3".
std::string SecondsText(std::int64_t milliseconds);
// What a successful run shows: "Success! 3 seconds", and how many sounds it
// left out when some did not fit.
std::string SuccessText(std::int64_t elapsedMilliseconds, std::size_t notWrittenCount);
// The buttons (1 to 8) that had sounds and got none written, given each
// row's button in list order and how many rows were written; the line that
// names them ("Btn2 has no sound on the unit"), empty when there are none.
std::vector<int> ButtonsLeftEmpty(const std::vector<int>& buttonOfRow, std::size_t writtenCount);
std::string EmptyButtonsText(const std::vector<int>& buttons);
