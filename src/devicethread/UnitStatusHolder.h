#pragma once

#include <QObject>

#include "device/UnitStatus.h"
#include "devicethread/ProbeReport.h"

// The unit status of the last probe, kept by the application for every page
// that shows the unit. The device thread stores each snapshot here before it
// completes the probe, on the thread the pages live on; pages follow Stored
// instead of asking again and again.
class UnitStatusHolder : public QObject {
  Q_OBJECT

 public:
  const UnitStatus& Status() const { return status_; }
  // Every probe's snapshot is stored, also one that changed nothing.
  void Store(const UnitStatus& status) {
    status_ = status;
    emit Stored();
  }
  // The last probe's report as a whole, the programmer it found included
  // (for the support report); kept before the status is stored.
  const ProbeReport& LastProbe() const { return lastProbe_; }
  void StoreProbe(const ProbeReport& report) { lastProbe_ = report; }

 signals:
  void Stored();

 private:
  UnitStatus status_;
  ProbeReport lastProbe_;
};
