#include "devicethread/ArrivalProbes.h"

#include "diagnostics/LogCategories.h"

ArrivalProbes::ArrivalProbes(DeviceThread& device, std::initializer_list<ArrivalSource> sources)
    : device_(device),
      watch_(
          [this](UsbArrivalWatch::Change change) {
            // From the watch's thread to this object's.
            QMetaObject::invokeMethod(this, [this, change] { ProbeAfter(change); },
                                      Qt::QueuedConnection);
          },
          sources) {
  switch (watch_.Source()) {
    case ArrivalSource::LibusbHotplug:
      qCInfo(DeviceLogging, "programmers plugged in are noticed through libusb's hotplug");
      break;
    case ArrivalSource::UdevMonitor:
      qCInfo(DeviceLogging, "programmers plugged in are noticed through udev's monitor");
      break;
    case ArrivalSource::None:
      qCInfo(DeviceLogging, "no hotplug: a programmer plugged in shows at the next probe");
      break;
  }
}

void ArrivalProbes::ProbeAfter(UsbArrivalWatch::Change change) {
  qCInfo(DeviceLogging, "an FTDI device was %s: probing now",
         change == UsbArrivalWatch::Change::Arrived ? "plugged in" : "unplugged");
  device_.RequestProbe();
}
