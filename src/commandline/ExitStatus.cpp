#include "commandline/ExitStatus.h"

int ExitStatusFor(const ProgrammingResult& result) {
  switch (result.Code) {
    case ProgrammingSucceeded:
      return ExitSuccess;
    case ProgrammerUnreachable:
      return ExitProgrammerNotFound;
    case NoSongsToProgram:
    case SongTooLarge:
      return ExitNothingFits;
    default:
      return ExitWriteFailed;
  }
}
