#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "device/ProgrammerDriver.h"

struct libusb_context;
struct libusb_device;

// The vendor id of every FTDI chip, whatever its product id.
constexpr std::uint16_t FtdiVendorId = 0x0403;

// Where a device sits on the bus. It keeps this place until it is unplugged;
// plugged in again it gets a new address.
struct UsbDeviceKey {
  std::uint8_t Bus = 0;
  std::uint8_t Address = 0;
  std::vector<std::uint8_t> PortPath;

  auto operator<=>(const UsbDeviceKey&) const = default;
};

UsbDeviceKey KeyOf(libusb_device* device);

// The FTDI device at this place among the devices of a libusb context, with a
// reference the caller gives back (libusb_unref_device); nullptr if none.
libusb_device* FindFtdiDevice(libusb_context* usb, const UsbDeviceKey& key);

// The FTDI devices on the bus with their product strings. A device is opened
// to read its strings once, when it first appears, so that adapters in use by
// other programs are left alone; devices that leave the bus are forgotten.
class FtdiDeviceList {
 public:
  // The product strings of the FTDI devices attached now, in bus order.
  // Devices without a string are left out.
  std::vector<std::string> Refresh(libusb_context* usb);
  void Forget() { devices_.clear(); }
  // The first listed device with this product string.
  std::optional<UsbDeviceKey> Find(const std::string& description) const;
  // The ids and serial number of the first listed device with this product string.
  std::optional<UsbIdentity> Identify(const std::string& description) const;

  struct Listed {
    UsbDeviceKey Key;
    std::string Product;
    UsbIdentity Identity;
  };

 private:
  const Listed* Known(const UsbDeviceKey& key) const;
  const Listed* Named(const std::string& description) const;

  std::vector<Listed> devices_;
};
