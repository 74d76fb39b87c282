#include "device/UsbArrivalWatch.h"

#include <libudev.h>
#include <libusb.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "device/FtdiDeviceList.h"

namespace {

int LIBUSB_CALL Hotplugged(libusb_context*, libusb_device*, libusb_hotplug_event event,
                           void* watch) {
  (*static_cast<UsbArrivalWatch::Notify*>(watch))(event == LIBUSB_HOTPLUG_EVENT_DEVICE_ARRIVED
                                                      ? UsbArrivalWatch::Change::Arrived
                                                      : UsbArrivalWatch::Change::Left);
  return 0;  // keeps the callback
}

// The kernel names a USB device's ids in PRODUCT as "vendor/product/release",
// in hex; udev adds ID_VENDOR_ID once its rules have run.
bool IsFtdi(udev_device* device) {
  if (const char* vendor = udev_device_get_property_value(device, "ID_VENDOR_ID")) {
    return std::strtoul(vendor, nullptr, 16) == FtdiVendorId;
  }
  const char* product = udev_device_get_property_value(device, "PRODUCT");
  return product != nullptr && std::strtoul(product, nullptr, 16) == FtdiVendorId;
}

}  // namespace

UsbArrivalWatch::UsbArrivalWatch(Notify notify, std::initializer_list<ArrivalSource> sources)
    : notify_(std::move(notify)) {
  for (const ArrivalSource source : sources) {
    const bool started = (source == ArrivalSource::LibusbHotplug && StartLibusbHotplug()) ||
                         (source == ArrivalSource::UdevMonitor && StartUdevMonitor());
    if (started) {
      source_ = source;
      return;
    }
  }
}

UsbArrivalWatch::~UsbArrivalWatch() {
  stopping_ = true;
  if (usb_ != nullptr) libusb_interrupt_event_handler(usb_);
  if (wake_ >= 0) eventfd_write(wake_, 1);
  if (thread_.joinable()) thread_.join();
  if (usb_ != nullptr) {
    libusb_hotplug_deregister_callback(usb_, hotplugCallback_);
    libusb_exit(usb_);
  }
  if (monitor_ != nullptr) udev_monitor_unref(monitor_);
  if (udev_ != nullptr) udev_unref(udev_);
  if (wake_ >= 0) ::close(wake_);
}

bool UsbArrivalWatch::StartLibusbHotplug() {
  if (libusb_init(&usb_) != 0) {
    usb_ = nullptr;
    return false;
  }
  // Only changes: the devices already there are the first probe's.
  const bool registered =
      libusb_has_capability(LIBUSB_CAP_HAS_HOTPLUG) != 0 &&
      libusb_hotplug_register_callback(
          usb_,
          static_cast<libusb_hotplug_event>(LIBUSB_HOTPLUG_EVENT_DEVICE_ARRIVED |
                                            LIBUSB_HOTPLUG_EVENT_DEVICE_LEFT),
          LIBUSB_HOTPLUG_NO_FLAGS, FtdiVendorId, LIBUSB_HOTPLUG_MATCH_ANY,
          LIBUSB_HOTPLUG_MATCH_ANY, &Hotplugged, &notify_, &hotplugCallback_) == LIBUSB_SUCCESS;
  if (!registered) {
    libusb_exit(usb_);
    usb_ = nullptr;
    return false;
  }
  thread_ = std::thread([this] {
    while (!stopping_) libusb_handle_events_completed(usb_, nullptr);
  });
  return true;
}

bool UsbArrivalWatch::StartUdevMonitor() {
  udev_ = udev_new();
  if (udev_ != nullptr) monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
  wake_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  const bool receiving =
      monitor_ != nullptr && wake_ >= 0 &&
      udev_monitor_filter_add_match_subsystem_devtype(monitor_, "usb", "usb_device") >= 0 &&
      udev_monitor_enable_receiving(monitor_) >= 0;
  if (!receiving) {
    if (monitor_ != nullptr) udev_monitor_unref(monitor_);
    if (udev_ != nullptr) udev_unref(udev_);
    if (wake_ >= 0) ::close(wake_);
    monitor_ = nullptr;
    udev_ = nullptr;
    wake_ = -1;
    return false;
  }
  thread_ = std::thread([this] { WatchUdevMonitor(); });
  return true;
}

void UsbArrivalWatch::WatchUdevMonitor() {
  pollfd waits[] = {{udev_monitor_get_fd(monitor_), POLLIN, 0}, {wake_, POLLIN, 0}};
  while (!stopping_) {
    if (::poll(waits, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if ((waits[0].revents & POLLIN) == 0) continue;
    udev_device* device = udev_monitor_receive_device(monitor_);
    if (device == nullptr) continue;
    const char* action = udev_device_get_action(device);
    if (action != nullptr && IsFtdi(device)) {
      if (std::strcmp(action, "add") == 0) notify_(Change::Arrived);
      if (std::strcmp(action, "remove") == 0) notify_(Change::Left);
    }
    udev_device_unref(device);
  }
}
