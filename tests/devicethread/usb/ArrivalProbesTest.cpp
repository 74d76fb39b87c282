// The device thread probes the moment the programmer is plugged in or
// unplugged, as umockdev's test bed tells it with uevents, through libusb
// and libftdi1 for real; no probe timer runs.
#include "support/EmulatedProgrammer.h"  // GLib's headers before Qt's keywords

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "device/FtdiDriver.h"
#include "devicethread/ArrivalProbes.h"
#include "support/ListingAfterUnplug.h"

namespace {

class ArrivalProbesOverUsb : public ::testing::TestWithParam<ArrivalSource> {
 protected:
  // Runs the event loop until a probe has stored the unit as present or not.
  bool StoredAs(bool present) {
    QSignalSpy stored(&holder, &UnitStatusHolder::Stored);
    while (holder.Status().UnitPresent != present) {
      if (!stored.wait(10000)) return false;
    }
    return true;
  }

  EmulatedUsbBus bus;
  EmulatedProgrammer programmer{bus, {0xA9D0, ProgrammerString, 2}, UnitModel::StandardUnit()};
  FtdiDriver driver;
  ListingAfterUnplug listing{driver};
  SystemClock clock;
  UnitStatusHolder holder;
  DeviceThread device{listing, clock, holder};
};

}  // namespace

TEST_P(ArrivalProbesOverUsb, APlugInAndAnUnplugEachProbeAtOnce) {
  const ArrivalProbes probes(device, {GetParam()});
  ASSERT_EQ(probes.Source(), GetParam());
  programmer.Plug();
  ASSERT_TRUE(StoredAs(true)) << "no probe after the programmer was plugged in";
  EXPECT_EQ(holder.Status().MemoryCount, 2);
  EXPECT_EQ(holder.LastProbe().Identity->ProductId, 0xA9D0);

  listing.Unplugging(true);
  programmer.Unplug();
  listing.Unplugging(false);
  EXPECT_TRUE(StoredAs(false)) << "no probe after the programmer was unplugged";
}

INSTANTIATE_TEST_SUITE_P(EachSource, ArrivalProbesOverUsb,
                         ::testing::Values(ArrivalSource::LibusbHotplug,
                                           ArrivalSource::UdevMonitor),
                         [](const auto& source) {
                           return source.param == ArrivalSource::LibusbHotplug
                                      ? std::string("LibusbHotplug")
                                      : std::string("UdevMonitor");
                         });
