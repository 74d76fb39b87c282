#pragma once

#include "programmingrun/ProgrammingPlan.h"
#include "programmingrun/RunReport.h"

// The run's log (vantora.run): its plan, with each sound's row, button, file
// and memory, before it begins; its outcome, with the row and file that a
// failure concerns, once it has ended.
void LogPlan(const ProgrammingPlan& plan);
void LogOutcome(const RunReport& report, const ProgrammingPlan& plan);
