#include "commandline/ExitStatus.h"

int ExitStatusFor(const ProgrammingResult& result) {
  switch (result.Code) {
    case ProgrammingSucceeded:
      return result.NotWrittenCount > 0 ? ExitSoundsLeftOut : ExitSuccess;
    case ProgrammerUnreachable:
      return ExitProgrammerNotFound;
    case NoSongsToProgram:
    case SongTooLarge:
      return ExitNothingFits;
    default:
      return ExitWriteFailed;
  }
}
