#pragma once

#include <QObject>

#include "device/UsbArrivalWatch.h"
#include "devicethread/DeviceThread.h"

// Probes at once when a programmer is plugged in or unplugged, so that the
// pages show it within moments rather than at the next tick of their probe
// timer (which stays, for a unit switched on behind a programmer that stays
// plugged in). The probe is an ordinary request of the device thread: it
// waits for the request in progress and holds the programmer lock as every
// probe does.
class ArrivalProbes : public QObject {
  Q_OBJECT

 public:
  explicit ArrivalProbes(DeviceThread& device,
                         std::initializer_list<ArrivalSource> sources = {
                             ArrivalSource::LibusbHotplug, ArrivalSource::UdevMonitor});

  ArrivalSource Source() const { return watch_.Source(); }

 private:
  void ProbeAfter(UsbArrivalWatch::Change change);

  DeviceThread& device_;
  // Last, so that its thread ends before the rest goes.
  UsbArrivalWatch watch_;
};
