#include "programmingrun/RunLog.h"

#include "diagnostics/LogCategories.h"

namespace {

// The memory a sound goes into, or -1 when it does not fit.
int MemoryOf(const ProgrammingPlan& plan, std::size_t row) {
  for (const MemoryAssignment& memory : plan.Packing.Memories) {
    if (row >= memory.First && row < memory.Next) return memory.Slot;
  }
  return -1;
}

// "sound 3 (Btn2, /home/ann/Music/knock.wav, 200000 bytes)"
std::string SoundText(const ProgrammingPlan& plan, std::size_t row) {
  const PlannedSound& sound = plan.Sounds[row];
  return "sound " + std::to_string(row + 1) + " (Btn" + std::to_string(sound.Button) + ", " +
         sound.FullPath() + ", " + sound.SizeText + " bytes)";
}

}  // namespace

void LogPlan(const ProgrammingPlan& plan) {
  qCInfo(RunLogging, "%s \"%s\" (number %d): %zu sound%s, %zu fit; %s verification",
         RunBeginsText, plan.ProfileName.c_str(), plan.ProfileNumber, plan.Sounds.size(),
         plan.Sounds.size() == 1 ? "" : "s", plan.FittingCount(),
         plan.Verify == Verification::Full ? "full" : "quick");
  for (std::size_t row = 0; row < plan.Sounds.size(); ++row) {
    const int memory = MemoryOf(plan, row);
    const std::string where =
        memory < 0 ? std::string("does not fit") : "into memory " + std::to_string(memory);
    qCInfo(RunLogging, "%s %s", SoundText(plan, row).c_str(), where.c_str());
  }
}

void LogOutcome(const RunReport& report, const ProgrammingPlan& plan) {
  const ProgrammingResult& result = report.Result;
  std::string concerns;
  if (result.Difference && result.Difference->Row < plan.Sounds.size()) {
    concerns = "; read back differs at byte " + std::to_string(result.Difference->Byte) +
               " of " + SoundText(plan, result.Difference->Row);
  }
  if (result.UnreadableRow && *result.UnreadableRow < plan.Sounds.size()) {
    concerns = "; the file of " + SoundText(plan, *result.UnreadableRow) +
               " is missing, unreadable or not of its listed size";
  }
  qCInfo(RunLogging, "run ended with code %d: %s%s", static_cast<int>(result.Code),
         report.Text.c_str(), concerns.c_str());
}
