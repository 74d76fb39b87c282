// The device thread probes the moment the programmer is plugged in or
// unplugged, as umockdev's test bed tells it with uevents, through libusb
// and libftdi1 for real; no probe timer runs.
#include "support/EmulatedProgrammer.h"  // GLib's headers before Qt's keywords

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <condition_variable>
#include <mutex>

#include "device/FtdiDriver.h"
#include "device/ForwardingDriver.h"
#include "devicethread/ArrivalProbes.h"

namespace {

// The kernel takes a device off the bus before udev tells of its departure;
// the test bed needs it there to tell. Listings wait while a test unplugs.
class ListingAfterUnplug final : public ForwardingDriver {
 public:
  using ForwardingDriver::ForwardingDriver;

  void Unplugging(bool unplugging) {
    {
      const std::lock_guard lock(mutex_);
      unplugging_ = unplugging;
    }
    done_.notify_all();
  }
  std::string ListDevices() override {
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return !unplugging_; });
    lock.unlock();
    return inner_.ListDevices();
  }

 private:
  std::mutex mutex_;
  std::condition_variable done_;
  bool unplugging_ = false;
};

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
