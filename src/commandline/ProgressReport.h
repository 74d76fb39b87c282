#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "device/Clock.h"

// Shows a programming run's progress: on a terminal one line, redrawn in
// place, with a bar, the percent, the MiB written and the time left; in a log
// or a pipe a plain line at every 10 %.
class ProgressReport {
 public:
  // The song data of each memory that receives some, in the order the run
  // writes them. The time left is reckoned from now.
  ProgressReport(std::ostream& out, bool terminal, Clock& clock,
                 std::vector<std::int64_t> memoryBytes);

  // One report of the run: the percent of the current memory's data sent so far.
  void Show(int percent);
  // Ends the bar's line, so that what follows starts on a line of its own.
  void Finish();

 private:
  void DrawBar(std::int64_t written);
  void WriteLines(std::int64_t written);
  std::string TimeLeft(std::int64_t written);

  std::ostream& out_;
  bool terminal_;
  Clock& clock_;
  std::vector<std::int64_t> memoryBytes_;
  std::int64_t total_ = 0;
  std::int64_t startMilliseconds_;
  std::size_t memory_ = 0;
  std::int64_t before_ = 0;  // the data of the memories already written
  int lastPercent_ = 0;
  int linesWritten_ = 0;  // tens of percent already written as lines
  bool drawn_ = false;
  std::string lastLine_;
};
