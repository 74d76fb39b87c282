#include "device/ProgrammingResult.h"

ProgrammingResult ResultFor(int code) {
  switch (code) {
    case ProgrammingSucceeded:
      return {code, ""};
    case NoSongsToProgram:
      return {code, "No Songs To Program"};
    case SongTooLarge:
      return {code, "Song Is Too Large"};
    case ProgrammerUnreachable:
      return {code, "Make sure the unit is connected to a USB Port."};
    default:
      return {code, "ERROR " + std::to_string(code) + "."};
  }
}
