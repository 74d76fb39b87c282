#pragma once

#include <QFuture>

#include "device/Clock.h"
#include "devicethread/DeviceThread.h"
#include "programmingrun/ProgrammingPlan.h"
#include "programmingrun/RunReport.h"

// A programming run from its plan to its report, on the device thread. The
// run's progress comes as the device thread's signals.
class ProgrammingRun {
 public:
  ProgrammingRun(DeviceThread& device, Clock& clock) : device_(device), clock_(clock) {}

  // Writes and verifies the plan's sounds that fit; the report completes
  // once, with the time the run took.
  QFuture<RunReport> Start(const ProgrammingPlan& plan);
  // The run stops between two pieces and is reported as stopped.
  void Stop() { device_.StopProgramming(); }

 private:
  DeviceThread& device_;
  Clock& clock_;
};
