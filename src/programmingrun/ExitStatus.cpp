#include "programmingrun/ExitStatus.h"

int ExitStatusFor(const ProgrammingResult& result) {
  switch (result.Code) {
    case ProgrammingCode::Succeeded:
      return result.NotWrittenCount > 0 ? ExitSoundsLeftOut : ExitSuccess;
    case ProgrammingCode::ProgrammerUnreachable:
      return ExitProgrammerNotFound;
    case ProgrammingCode::NoSongsToProgram:
    case ProgrammingCode::SongTooLarge:
      return ExitNothingFits;
    default:
      return ExitWriteFailed;
  }
}
