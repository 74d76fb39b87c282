#pragma once

#include "device/UnitStatus.h"

// The unit status of the last probe, kept by the application for every page
// that shows the unit. The device thread stores each snapshot here before it
// reports the probe, on the thread the pages live on.
class UnitStatusHolder {
 public:
  const UnitStatus& Status() const { return status_; }
  void Store(const UnitStatus& status) { status_ = status; }

 private:
  UnitStatus status_;
};
