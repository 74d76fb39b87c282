#pragma once

#include <QSettings>
#include <string>

#include "devicethread/UnitStatusHolder.h"

class LogRouting;

// The windows' report: the programmer and the unit as the last probe found
// them, the settings, and the windows' log of the last runs (the log that
// `logging` keeps of this run when there is no log file).
std::string WindowsSupportReport(const UnitStatusHolder& unit, QSettings& settings,
                                 LogRouting* logging);
