#include "device/FtdiDeviceList.h"

#include <libusb.h>

#include <algorithm>
#include <array>

namespace {

// The deepest hub chain USB allows.
constexpr int MaxPortPathLength = 7;
constexpr int ProductStringLength = 128;

bool IsFtdi(libusb_device* device) {
  libusb_device_descriptor descriptor{};
  return libusb_get_device_descriptor(device, &descriptor) == 0 &&
         descriptor.idVendor == FtdiVendorId;
}

// A string of the device; empty when it has none, no value when it did not answer.
std::optional<std::string> ReadString(libusb_device_handle* handle, std::uint8_t index) {
  if (index == 0) return std::string();
  unsigned char text[ProductStringLength] = {};
  const int length = libusb_get_string_descriptor_ascii(handle, index, text, sizeof text);
  if (length < 0) return std::nullopt;
  return std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(length));
}

// The device's product string (empty when it has none), its ids and its
// serial number. No value when the device could not be opened (no permission
// yet, say) or did not answer (just plugged in, say): it is tried again at the
// next listing. A serial number that does not answer is left empty.
std::optional<FtdiDeviceList::Listed> ReadStrings(libusb_device* device) {
  libusb_device_descriptor descriptor{};
  libusb_get_device_descriptor(device, &descriptor);
  FtdiDeviceList::Listed listed{KeyOf(device), {}, {descriptor.idVendor, descriptor.idProduct, {}}};
  if (descriptor.iProduct == 0) return listed;
  libusb_device_handle* handle = nullptr;
  if (libusb_open(device, &handle) != 0) return std::nullopt;
  const std::optional<std::string> product = ReadString(handle, descriptor.iProduct);
  if (product) {
    listed.Product = *product;
    listed.Identity.Serial = ReadString(handle, descriptor.iSerialNumber).value_or("");
  }
  libusb_close(handle);
  if (!product) return std::nullopt;
  return listed;
}

// Calls `visit` with each FTDI device of the context.
template <typename Visit>
void ForEachFtdiDevice(libusb_context* usb, Visit visit) {
  libusb_device** devices = nullptr;
  const ssize_t count = libusb_get_device_list(usb, &devices);
  for (ssize_t i = 0; i < count; ++i) {
    if (IsFtdi(devices[i])) visit(devices[i]);
  }
  if (count >= 0) libusb_free_device_list(devices, 1);
}

}  // namespace

UsbDeviceKey KeyOf(libusb_device* device) {
  std::array<std::uint8_t, MaxPortPathLength> ports{};
  const int depth = libusb_get_port_numbers(device, ports.data(), ports.size());
  return {libusb_get_bus_number(device), libusb_get_device_address(device),
          std::vector<std::uint8_t>(ports.begin(), ports.begin() + std::max(depth, 0))};
}

libusb_device* FindFtdiDevice(libusb_context* usb, const UsbDeviceKey& key) {
  libusb_device* found = nullptr;
  ForEachFtdiDevice(usb, [&](libusb_device* device) {
    if (found == nullptr && KeyOf(device) == key) found = libusb_ref_device(device);
  });
  return found;
}

std::vector<std::string> FtdiDeviceList::Refresh(libusb_context* usb) {
  std::vector<Listed> attached;
  ForEachFtdiDevice(usb, [&](libusb_device* device) {
    if (const Listed* known = Known(KeyOf(device))) {
      attached.push_back(*known);
    } else if (std::optional<Listed> read = ReadStrings(device)) {
      attached.push_back(std::move(*read));
    }
  });
  devices_ = std::move(attached);
  std::vector<std::string> descriptions;
  for (const Listed& device : devices_) {
    if (!device.Product.empty()) descriptions.push_back(device.Product);
  }
  return descriptions;
}

std::optional<UsbDeviceKey> FtdiDeviceList::Find(const std::string& description) const {
  const Listed* device = Named(description);
  return device ? std::optional(device->Key) : std::nullopt;
}

std::optional<UsbIdentity> FtdiDeviceList::Identify(const std::string& description) const {
  const Listed* device = Named(description);
  return device ? std::optional(device->Identity) : std::nullopt;
}

const FtdiDeviceList::Listed* FtdiDeviceList::Known(const UsbDeviceKey& key) const {
  for (const Listed& device : devices_) {
    if (device.Key == key) return &device;
  }
  return nullptr;
}

const FtdiDeviceList::Listed* FtdiDeviceList::Named(const std::string& description) const {
  for (const Listed& device : devices_) {
    if (!device.Product.empty() && device.Product == description) return &device;
  }
  return nullptr;
}
