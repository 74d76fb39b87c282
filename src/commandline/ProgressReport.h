#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "device/Clock.h"
#include "device/ProgrammingSequence.h"

// Shows a programming run's progress over all it writes and reads back: on a
// terminal one line, redrawn in place, with the step, a bar, the percent, the
// MiB moved and the time left; in a log or a pipe a plain line at every 10 %.
class ProgressReport {
 public:
  // The time left is reckoned from now, when the run starts.
  ProgressReport(std::ostream& out, bool terminal, Clock& clock);

  // One report of the run: the step it is in, and the bytes moved so far of all.
  void Show(RunPhase phase, std::int64_t done, std::int64_t total);
  // Ends the bar's line, so that what follows starts on a line of its own.
  void Finish();

 private:
  void DrawBar(RunPhase phase, std::int64_t done, std::int64_t total);
  void WriteLines(RunPhase phase, std::int64_t done, std::int64_t total);
  std::string TimeLeft(std::int64_t done, std::int64_t total);

  std::ostream& out_;
  bool terminal_;
  Clock& clock_;
  std::int64_t startMilliseconds_;
  int linesWritten_ = 0;  // tens of percent already written as lines
  bool drawn_ = false;
  std::string lastLine_;
};
