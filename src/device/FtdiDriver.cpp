#include "device/FtdiDriver.h"

#include <ftdi.h>
#include <libusb.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <thread>

namespace {

// The latency timer's minimum: answers are short and come one at a time.
constexpr unsigned char MinimumLatencyMs = 1;
// One USB transfer never blocks longer than this, so a read keeps its deadline.
constexpr int UsbTransferTimeoutMs = 100;
constexpr int ProductStringLength = 128;

ftdi_context* ContextOf(DeviceHandle handle) {
  return reinterpret_cast<ftdi_context*>(handle);
}

struct UsbId {
  int Vendor;
  int Product;
};

// Calls `visit` with each FTDI device's USB ids and product string.
template <typename Visit>
void ForEachFtdiDevice(ftdi_context* context, Visit visit) {
  ftdi_device_list* devices = nullptr;
  // Vendor and product 0 select the default FTDI ids.
  if (ftdi_usb_find_all(context, &devices, 0, 0) < 0) return;
  for (ftdi_device_list* device = devices; device != nullptr; device = device->next) {
    char product[ProductStringLength] = {};
    if (ftdi_usb_get_strings2(context, device->dev, nullptr, 0, product, sizeof product, nullptr,
                              0) != 0) {
      continue;
    }
    libusb_device_descriptor descriptor{};
    if (libusb_get_device_descriptor(device->dev, &descriptor) != 0) continue;
    if (!visit(UsbId{descriptor.idVendor, descriptor.idProduct}, std::string(product))) break;
  }
  ftdi_list_free(&devices);
}

}  // namespace

FtdiDriver::~FtdiDriver() {
  if (listContext_ != nullptr) ftdi_free(listContext_);
}

std::string FtdiDriver::ListDevices() {
  if (listContext_ == nullptr) listContext_ = ftdi_new();
  if (listContext_ == nullptr) return {};
  std::string descriptions;
  ForEachFtdiDevice(listContext_, [&descriptions](UsbId, const std::string& product) {
    if (!descriptions.empty()) descriptions += ',';
    descriptions += product;
    return true;
  });
  return descriptions;
}

DriverStatus FtdiDriver::Open(const std::string& description, DeviceHandle& handle) {
  ftdi_context* context = ftdi_new();
  if (context == nullptr) return DriverDeviceNotFound;
  std::optional<UsbId> id;
  ForEachFtdiDevice(context, [&](UsbId found, const std::string& product) {
    if (product == description) id = found;
    return !id;
  });
  if (!id ||
      ftdi_usb_open_desc(context, id->Vendor, id->Product, description.c_str(), nullptr) != 0) {
    ftdi_free(context);
    return DriverDeviceNotFound;
  }
  ftdi_set_latency_timer(context, MinimumLatencyMs);
  handle = reinterpret_cast<DeviceHandle>(context);
  return DriverOk;
}

DriverStatus FtdiDriver::Close(DeviceHandle handle) {
  if (handle == 0) return DriverInvalidHandle;
  ftdi_context* context = ContextOf(handle);
  // After a failed close the link keeps its handle and closes it again later,
  // so the context must stay alive until a close succeeds.
  if (ftdi_usb_close(context) != 0) return DriverIoError;
  ftdi_free(context);
  return DriverOk;
}

DriverStatus FtdiDriver::Purge(DeviceHandle handle) {
  if (handle == 0) return DriverInvalidHandle;
  return ftdi_tcioflush(ContextOf(handle)) == 0 ? DriverOk : DriverIoError;
}

DriverStatus FtdiDriver::Write(DeviceHandle handle, std::span<const std::uint8_t> data,
                               std::size_t& written) {
  written = 0;
  if (handle == 0) return DriverInvalidHandle;
  if (data.size() > INT_MAX) return DriverIoError;
  const int result = ftdi_write_data(ContextOf(handle), data.data(), static_cast<int>(data.size()));
  if (result < 0) return DriverIoError;
  written = static_cast<std::size_t>(result);
  return DriverOk;
}

DriverStatus FtdiDriver::Read(DeviceHandle handle, std::span<std::uint8_t> buffer,
                              std::chrono::milliseconds timeout, std::size_t& received) {
  received = 0;
  if (handle == 0) return DriverInvalidHandle;
  if (buffer.size() > INT_MAX) return DriverIoError;
  ftdi_context* context = ContextOf(handle);
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (received < buffer.size()) {
    // No USB transfer runs past the deadline.
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    context->usb_read_timeout =
        static_cast<int>(std::clamp<std::int64_t>(left.count(), 1, UsbTransferTimeoutMs));
    const int result = ftdi_read_data(context, buffer.data() + received,
                                      static_cast<int>(buffer.size() - received));
    if (result < 0) return DriverIoError;
    received += static_cast<std::size_t>(result);
    if (std::chrono::steady_clock::now() >= deadline) break;
    if (result == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return DriverOk;
}
