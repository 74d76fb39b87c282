#pragma once

#include <QString>
#include <cstddef>
#include <string>

// The windows' log file, $XDG_STATE_HOME/vantora-programmer/vantora-programmer.log
// (~/.local/state/... without it); its older part is beside it with ".1".
QString WindowsLogPath();

// How many runs the support report shows of the windows' log.
constexpr std::size_t ReportedRuns = 10;

// The lines of a bounded log file and its older part, from the beginning of
// the `runs`-th last programming run on (all of them when there are fewer),
// with the changes of state between them.
std::string LastRunsOf(const QString& path, std::size_t runs = ReportedRuns);
