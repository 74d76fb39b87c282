#pragma once

#include <condition_variable>
#include <mutex>

#include "device/ForwardingDriver.h"

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
