#include "programmingrun/ExitStatus.h"

int ExitStatusFor(const ProgrammingResult& result) {
  switch (result.Code) {
    case ProgrammingCode::Succeeded:
      return result.NotWrittenCount > 0 ? ExitSoundsLeftOut : ExitSuccess;
    case ProgrammingCode::ProgrammerUnreachable:
    case ProgrammingCode::ProgrammerInUse:
      return ExitProgrammerNotFound;
    case ProgrammingCode::Stopped:
      return ExitInterrupted;
    case ProgrammingCode::NoSongsToProgram:
    case ProgrammingCode::SongTooLarge:
      return ExitNothingFits;
    default:
      return ExitWriteFailed;
  }
}
