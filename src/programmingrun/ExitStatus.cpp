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

int ExitStatusFor(RunObstacle obstacle) {
  switch (obstacle) {
    case RunObstacle::MissingFiles:
    case RunObstacle::NotSounds:
      return ExitSoundMissing;
    case RunObstacle::ProgrammerInUse:
    case RunObstacle::NoProgrammer:
      return ExitProgrammerNotFound;
    case RunObstacle::NoUnit:
      return ExitUnitNotConnected;
    case RunObstacle::NoSounds:
    case RunObstacle::NoMemory:
    case RunObstacle::NothingFits:
      break;
  }
  return ExitNothingFits;
}
