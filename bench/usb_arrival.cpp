// How soon the unit shows as connected after the programmer is plugged in,
// and as gone after it is unplugged: from the test bed's uevent to the
// probe's status in the holder that the pages follow, with no probe timer,
// through libusb's hotplug and through udev's monitor. 20 of each (another
// count as the argument). Target: at most 500 ms. Run it under
// umockdev-wrapper.
#include "support/EmulatedProgrammer.h"  // GLib's headers before Qt's keywords

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "device/FtdiDriver.h"
#include "devicethread/ArrivalProbes.h"
#include "support/ListingAfterUnplug.h"

namespace {

using Milliseconds = std::chrono::duration<double, std::milli>;

// Runs the event loop until the holder stores the unit as present or not;
// how long that took from `start`.
Milliseconds UntilStoredAs(UnitStatusHolder& holder, bool present,
                           std::chrono::steady_clock::time_point start) {
  QEventLoop loop;
  const QMetaObject::Connection stored = QObject::connect(&holder, &UnitStatusHolder::Stored, [&] {
    if (holder.Status().UnitPresent == present) loop.quit();
  });
  QTimer::singleShot(std::chrono::seconds(10), &loop, &QEventLoop::quit);
  if (holder.Status().UnitPresent != present) loop.exec();
  QObject::disconnect(stored);
  return std::chrono::steady_clock::now() - start;
}

void Print(const char* what, std::vector<Milliseconds> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-44s median %6.1f ms, longest %6.1f ms (target: at most 500)\n", what,
              times[times.size() / 2].count(), times.back().count());
}

void Measure(ArrivalSource source, const char* name, int count) {
  EmulatedUsbBus bus;
  EmulatedProgrammer programmer{bus, {0xA9D0, ProgrammerString, 2}, UnitModel::StandardUnit()};
  FtdiDriver driver;
  ListingAfterUnplug listing{driver};
  SystemClock clock;
  UnitStatusHolder holder;
  DeviceThread device{listing, clock, holder};
  const ArrivalProbes probes(device, {source});
  std::vector<Milliseconds> arrivals, departures;
  for (int plug = 0; plug < count; ++plug) {
    const auto plugged = std::chrono::steady_clock::now();
    programmer.Plug();
    arrivals.push_back(UntilStoredAs(holder, true, plugged));
    const auto unplugged = std::chrono::steady_clock::now();
    listing.Unplugging(true);
    programmer.Unplug();
    listing.Unplugging(false);
    departures.push_back(UntilStoredAs(holder, false, unplugged));
  }
  std::printf("%s:\n", name);
  Print("  plugged in, until Connected", arrivals);
  Print("  unplugged, until Disconnected", departures);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const int count = argc > 1 ? std::atoi(argv[1]) : 20;
  Measure(ArrivalSource::LibusbHotplug, "libusb hotplug", count);
  Measure(ArrivalSource::UdevMonitor, "udev monitor", count);
  return 0;
}
