// The arrival and departure of the programmer, as umockdev's test bed tells
// them with uevents, through libusb's hotplug and through udev's monitor.
#include "device/UsbArrivalWatch.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <vector>

#include "support/EmulatedProgrammer.h"

namespace {

using Change = UsbArrivalWatch::Change;

// What a watch told, and waiting for it.
class Changes {
 public:
  void Take(Change change) {
    const std::lock_guard lock(mutex_);
    seen_.push_back(change);
    arrived_.notify_all();
  }
  // False when the count was not reached within a generous time.
  bool WaitFor(std::size_t count) {
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, std::chrono::seconds(10), [&] { return seen_.size() >= count; });
  }
  std::vector<Change> Seen() {
    const std::lock_guard lock(mutex_);
    return seen_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::vector<Change> seen_;
};

class UsbArrivalWatchOverUsb : public ::testing::TestWithParam<ArrivalSource> {
 protected:
  EmulatedUsbBus bus;
  EmulatedProgrammer programmer{bus, {0xA9D0, ProgrammerString, 2}, UnitModel::StandardUnit()};
  Changes changes;
};

}  // namespace

TEST_P(UsbArrivalWatchOverUsb, TellsOfTheProgrammerPluggedInThenUnplugged) {
  UsbArrivalWatch watch([this](Change change) { changes.Take(change); }, {GetParam()});
  ASSERT_EQ(watch.Source(), GetParam());

  programmer.Plug();
  ASSERT_TRUE(changes.WaitFor(1)) << "no word of the arrival";
  programmer.Unplug();
  ASSERT_TRUE(changes.WaitFor(2)) << "no word of the departure";
  EXPECT_EQ(changes.Seen(), (std::vector{Change::Arrived, Change::Left}));
}

INSTANTIATE_TEST_SUITE_P(EachSource, UsbArrivalWatchOverUsb,
                         ::testing::Values(ArrivalSource::LibusbHotplug,
                                           ArrivalSource::UdevMonitor),
                         [](const auto& source) {
                           return source.param == ArrivalSource::LibusbHotplug
                                      ? std::string("LibusbHotplug")
                                      : std::string("UdevMonitor");
                         });
