#include "device/FtdiConnection.h"

#include <ftdi.h>
#include <libusb.h>

#include <climits>

namespace {
// The latency timer's minimum: answers are short and come one at a time.
constexpr unsigned char MinimumLatencyMs = 1;
// What ftdi_usb_open_dev returns when claiming the interface failed.
constexpr int FtdiClaimFailed = -5;

// libftdi1 reports a failed claim without libusb's reason; claiming once
// more on a handle of our own tells whether another program holds the
// interface (the kernel answers EBUSY then).
bool ClaimedElsewhere(libusb_device* device, int interface) {
  libusb_device_handle* handle = nullptr;
  if (libusb_open(device, &handle) != 0) return false;
  const int claimed = libusb_claim_interface(handle, interface);
  if (claimed == 0) libusb_release_interface(handle, interface);
  libusb_close(handle);
  return claimed == LIBUSB_ERROR_BUSY;
}

}  // namespace

DriverStatus FtdiConnection::Open(const UsbDeviceKey& key,
                                  std::unique_ptr<FtdiConnection>& connection) {
  connection.reset();
  ftdi_context* ftdi = ftdi_new();
  if (ftdi == nullptr) return DriverDeviceNotFound;
  std::unique_ptr<FtdiConnection> opening(new FtdiConnection(ftdi));
  libusb_device* device = FindFtdiDevice(ftdi->usb_ctx, key);
  if (device == nullptr) return DriverDeviceNotFound;
  const int opened = ftdi_usb_open_dev(ftdi, device);
  const bool busy = opened == FtdiClaimFailed && ClaimedElsewhere(device, ftdi->interface);
  libusb_unref_device(device);
  if (busy) return DriverDeviceBusy;
  if (opened != 0 || ftdi_set_latency_timer(ftdi, MinimumLatencyMs) != 0) {
    return DriverDeviceNotFound;
  }
  // libftdi1 names endpoints from the chip's side: out_ep brings data in.
  opening->receiver_ = std::make_unique<FtdiReceiver>(ftdi->usb_ctx, ftdi->usb_dev, ftdi->out_ep,
                                                      ftdi->max_packet_size);
  if (!opening->receiver_->Start()) return DriverDeviceNotFound;
  connection = std::move(opening);
  return DriverOk;
}

FtdiConnection::~FtdiConnection() {
  if (receiver_) receiver_->Stop();
  // Closes the device if it is still open.
  ftdi_free(ftdi_);
}

DriverStatus FtdiConnection::Purge() {
  if (!receiver_ || ftdi_tcioflush(ftdi_) != 0) return DriverIoError;
  receiver_->Discard();
  return DriverOk;
}

DriverStatus FtdiConnection::Write(std::span<const std::uint8_t> data, std::size_t& written) {
  written = 0;
  if (data.size() > INT_MAX) return DriverIoError;
  const int result = ftdi_write_data(ftdi_, data.data(), static_cast<int>(data.size()));
  if (result < 0) return DriverIoError;
  written = static_cast<std::size_t>(result);
  return DriverOk;
}

DriverStatus FtdiConnection::Read(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout,
                                  std::size_t& received) {
  received = 0;
  if (!receiver_) return DriverIoError;
  return receiver_->Receive(buffer, std::chrono::steady_clock::now() + timeout, received);
}

bool FtdiConnection::Close() {
  bool deviceGone = false;
  if (receiver_) {
    receiver_->Stop();
    deviceGone = receiver_->DeviceGone();
  }
  // libftdi1 closes the USB handle even when releasing the interface fails;
  // a second close then finds nothing left to do.
  const bool closed = ftdi_usb_close(ftdi_) == 0 || deviceGone;
  receiver_.reset();
  return closed;
}
