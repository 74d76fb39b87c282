#pragma once

#include <QObject>

#include "device/UnitStatus.h"

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

 signals:
  void Stored();

 private:
  UnitStatus status_;
};
