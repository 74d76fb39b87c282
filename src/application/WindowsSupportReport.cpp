#include "application/WindowsSupportReport.h"

#include "diagnostics/LogFiles.h"
#include "diagnostics/LogRouting.h"
#include "diagnostics/SupportReport.h"

std::string WindowsSupportReport(const UnitStatusHolder& unit, QSettings& settings,
                                 LogRouting* logging) {
  if (logging != nullptr) logging->FlushFiles();
  std::string log = LastRunsOf(WindowsLogPath());
  if (log.empty() && logging != nullptr) {
    for (const std::string& line : logging->Record()) log += line;
  }
  const ProbeReport& probe = unit.LastProbe();
  return SupportReport(
      {probe.Programmer, probe.Identity, probe.ProgrammerInUse, probe.Status, {}, {}, log},
      &settings);
}
