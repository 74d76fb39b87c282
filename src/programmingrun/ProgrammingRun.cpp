#include "programmingrun/ProgrammingRun.h"

QFuture<RunReport> ProgrammingRun::Start(const ProgrammingPlan& plan) {
  const std::int64_t start = clock_.NowMilliseconds();
  return device_.RequestProgramming(plan.Job())
      .then(&device_, [this, start, plan](const ProgrammingResult& result) {
        return ReportRun(result, clock_.NowMilliseconds() - start, plan);
      });
}
