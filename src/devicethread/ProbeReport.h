#pragma once

#include <string>

#include "device/UnitStatus.h"

// What one probe found: the unit, and the description of the programmer it
// found listed, empty when none was. With a programmer listed and no unit
// present, the unit is what is missing.
struct ProbeReport {
  UnitStatus Status;
  std::string Programmer;
  // Another program held the programmer: the probe skipped its turn and
  // Status is the one from before.
  bool ProgrammerInUse = false;
};
