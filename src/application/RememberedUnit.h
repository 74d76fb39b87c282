#pragma once

#include <optional>

#include "device/UnitStatus.h"

class QSettings;

// The unit the program last saw, kept between runs: while no unit is
// connected, the editor measures the profile against it, so that a profile
// can be put together before the bell is at hand.
std::optional<UnitStatus> RecallLastUnit(const QSettings& settings);
void RememberLastUnit(QSettings& settings, const UnitStatus& unit);
