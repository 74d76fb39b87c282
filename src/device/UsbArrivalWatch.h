#pragma once

#include <atomic>
#include <functional>
#include <initializer_list>
#include <thread>

struct libusb_context;
struct udev;
struct udev_monitor;

// How the watch learns of devices that come and go.
enum class ArrivalSource { None, LibusbHotplug, UdevMonitor };

// Tells when an FTDI device (vendor 0x0403) is plugged in or unplugged, on a
// thread of its own: through libusb's hotplug callbacks or, where libusb has
// none, udev's monitor. With neither (no USB access, no udev) it watches
// nothing, and the regular probe alone finds the programmer.
class UsbArrivalWatch {
 public:
  enum class Change { Arrived, Left };
  using Notify = std::function<void(Change)>;

  // Tries the sources in the order given and watches through the first that
  // starts. `notify` is called on the watch's thread.
  explicit UsbArrivalWatch(Notify notify,
                           std::initializer_list<ArrivalSource> sources = {
                               ArrivalSource::LibusbHotplug, ArrivalSource::UdevMonitor});
  // Ends the thread; no notification comes after.
  ~UsbArrivalWatch();
  UsbArrivalWatch(const UsbArrivalWatch&) = delete;
  UsbArrivalWatch& operator=(const UsbArrivalWatch&) = delete;

  ArrivalSource Source() const { return source_; }

 private:
  bool StartLibusbHotplug();
  bool StartUdevMonitor();
  void WatchUdevMonitor();

  Notify notify_;
  ArrivalSource source_ = ArrivalSource::None;
  std::atomic<bool> stopping_ = false;
  std::thread thread_;
  libusb_context* usb_ = nullptr;
  int hotplugCallback_ = 0;
  udev* udev_ = nullptr;
  udev_monitor* monitor_ = nullptr;
  int wake_ = -1;  // an eventfd that ends the udev monitor's wait
};
