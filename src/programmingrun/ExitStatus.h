#pragma once

#include "device/ProgrammingResult.h"
#include "programmingrun/RunPreflight.h"

// The exit statuses of the command line, one per class of failure; --help and
// the README list them. A failure never ends with ExitSuccess.
constexpr int ExitSuccess = 0;
constexpr int ExitUnexpectedError = 1;
constexpr int ExitUsage = 2;
constexpr int ExitProfileNotReadable = 3;
constexpr int ExitSoundMissing = 4;
constexpr int ExitProgrammerNotFound = 5;
constexpr int ExitUnitNotConnected = 6;
constexpr int ExitNothingFits = 7;
constexpr int ExitWriteFailed = 8;
constexpr int ExitSoundsLeftOut = 9;  // written and verified, but sounds were left out
// Options that are each right but do not go together (the usage status of sysexits.h).
constexpr int ExitOptionsDoNotGoTogether = 64;
// Ctrl+C stopped the run, as a shell reports a program ended by SIGINT.
constexpr int ExitInterrupted = 130;

// The exit status of a programming run's result.
int ExitStatusFor(const ProgrammingResult& result);
// The exit status of a run refused before it began.
int ExitStatusFor(RunObstacle obstacle);
