#pragma once

#include <QJsonObject>
#include <ostream>
#include <string>

#include "devicethread/ProbeReport.h"

// The exit status of a probe: the unit answers, or what is missing.
int ExitStatusFor(const ProbeReport& probe);

// What --status prints. `profileOnUnit` names the stored profile whose number
// the unit holds; empty when none does.
void PrintUnitStatus(std::ostream& out, const ProbeReport& probe, const std::string& profileOnUnit);
void AddUnitStatus(QJsonObject& json, const ProbeReport& probe, const std::string& profileOnUnit);
