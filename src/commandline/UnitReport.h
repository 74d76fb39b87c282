#pragma once

#include <QJsonObject>
#include <ostream>
#include <string>

#include "device/UnitStatus.h"

// What one probe found: the unit, and the programmer it found listed (empty
// when none was).
struct ProbeOutcome {
  UnitStatus Status;
  std::string Programmer;
};

// The exit status of a probe: the unit answers, or what is missing.
int ExitStatusFor(const ProbeOutcome& probe);

// What --status prints. `profileOnUnit` names the stored profile whose number
// the unit holds; empty when none does.
void PrintUnitStatus(std::ostream& out, const ProbeOutcome& probe,
                     const std::string& profileOnUnit);
void AddUnitStatus(QJsonObject& json, const ProbeOutcome& probe, const std::string& profileOnUnit);
