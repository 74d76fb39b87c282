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

// The device's product string; empty when it has none. No value when the
// device could not be opened (no permission yet, say) or did not answer (just
// plugged in, say): it is tried again at the next listing.
std::optional<std::string> ReadProductString(libusb_device* device) {
  libusb_device_descriptor descriptor{};
  libusb_get_device_descriptor(device, &descriptor);
  if (descriptor.iProduct == 0) return std::string();
  libusb_device_handle* handle = nullptr;
  if (libusb_open(device, &handle) != 0) return std::nullopt;
  unsigned char product[ProductStringLength] = {};
  const int length =
      libusb_get_string_descriptor_ascii(handle, descriptor.iProduct, product, sizeof product);
  libusb_close(handle);
  if (length < 0) return std::nullopt;
  if (length == 0) return std::string();
  return std::string(reinterpret_cast<const char*>(product), static_cast<std::size_t>(length));
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
  std::vector<std::pair<UsbDeviceKey, std::string>> attached;
  ForEachFtdiDevice(usb, [&](libusb_device* device) {
    UsbDeviceKey key = KeyOf(device);
    if (const std::string* known = Known(key)) {
      attached.emplace_back(std::move(key), *known);
    } else if (std::optional<std::string> product = ReadProductString(device)) {
      attached.emplace_back(std::move(key), std::move(*product));
    }
  });
  devices_ = std::move(attached);
  std::vector<std::string> descriptions;
  for (const auto& [key, product] : devices_) {
    if (!product.empty()) descriptions.push_back(product);
  }
  return descriptions;
}

std::optional<UsbDeviceKey> FtdiDeviceList::Find(const std::string& description) const {
  for (const auto& [key, product] : devices_) {
    if (!product.empty() && product == description) return key;
  }
  return std::nullopt;
}

const std::string* FtdiDeviceList::Known(const UsbDeviceKey& key) const {
  for (const auto& [known, product] : devices_) {
    if (known == key) return &product;
  }
  return nullptr;
}
