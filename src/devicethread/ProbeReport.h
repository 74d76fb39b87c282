#pragma once

#include <optional>
#include <string>

#include "device/ProgrammerDriver.h"
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
  // The listed programmer's ids and serial number.
  std::optional<UsbIdentity> Identity = std::nullopt;
};

// What the probe found, in one line for the log: the programmer, and the
// unit's memories, buttons and firmware.
std::string DescribeProbe(const ProbeReport& report);
