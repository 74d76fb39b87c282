#pragma once

#include <cstdint>
#include <string>

#include "device/ProgrammingResult.h"
#include "programmingrun/ProgrammingPlan.h"

// How a run's end is shown: a plain success, a success that left sounds out,
// or a failure (a stop included).
enum class RunTone { Success, SoundsLeftOut, Failure };

// How a run ended, as both front ends tell it.
struct RunReport {
  ProgrammingResult Result;
  RunTone Tone = RunTone::Failure;
  // One line, or two when a success left buttons without a sound.
  std::string Text;
  int ExitStatus = 0;
};

RunReport ReportRun(const ProgrammingResult& result, std::int64_t elapsedMilliseconds,
                    const ProgrammingPlan& plan);
