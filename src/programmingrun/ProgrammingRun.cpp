#include "programmingrun/ProgrammingRun.h"

#include "programmingrun/RunLog.h"

QFuture<RunReport> ProgrammingRun::Start(const ProgrammingPlan& plan) {
  LogPlan(plan);
  const std::int64_t start = clock_.NowMilliseconds();
  return device_.RequestProgramming(plan.Job())
      .then(&device_, [this, start, plan](const ProgrammingResult& result) {
        RunReport report = ReportRun(result, clock_.NowMilliseconds() - start, plan);
        LogOutcome(report, plan);
        return report;
      });
}
