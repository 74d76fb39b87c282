#pragma once

#include <QObject>

#include "devicethread/ProbeReport.h"

// The last probe, kept by the application for every page that shows the
// unit or checks a run before it begins. The device thread stores each snapshot here before it
// completes the probe, on the thread the pages live on; pages follow Stored
// instead of asking again and again.
class UnitStatusHolder : public QObject {
  Q_OBJECT

 public:
  const UnitStatus& Status() const { return probe_.Status; }
  const ProbeReport& LastProbe() const { return probe_; }
  // Every probe's snapshot is stored, also one that changed nothing.
  void Store(const ProbeReport& probe) {
    probe_ = probe;
    emit Stored();
  }

 signals:
  void Stored();

 private:
  ProbeReport probe_;
};
