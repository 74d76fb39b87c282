#include "device/FtdiReceiver.h"

#include <libusb.h>

#include <algorithm>

namespace {

// Two transfers, so that the chip always finds one waiting.
constexpr int TransferCount = 2;
constexpr int TransferSize = 4096;
constexpr std::size_t ModemStatusBytes = 2;
// Cancelled transfers come back at once; this only bounds a broken device.
constexpr std::chrono::seconds StopLimit{2};

}  // namespace

FtdiReceiver::FtdiReceiver(libusb_context* usb, libusb_device_handle* device,
                           unsigned char endpoint, int packetSize)
    : usb_(usb), packetSize_(static_cast<std::size_t>(packetSize)) {
  for (int i = 0; i < TransferCount; ++i) {
    libusb_transfer* transfer = libusb_alloc_transfer(0);
    if (transfer == nullptr) continue;
    buffers_.push_back(std::make_unique<unsigned char[]>(TransferSize));
    libusb_fill_bulk_transfer(transfer, device, endpoint, buffers_.back().get(), TransferSize,
                              &FtdiReceiver::Completed, this, 0);
    transfers_.push_back(transfer);
  }
}

FtdiReceiver::~FtdiReceiver() {
  if (!stopping_) Stop();
  for (libusb_transfer* transfer : transfers_) {
    // The device handle may be closed already; libusb needs it no more.
    transfer->dev_handle = nullptr;
    libusb_free_transfer(transfer);
  }
}

bool FtdiReceiver::Start() {
  for (libusb_transfer* transfer : transfers_) Submit(transfer);
  return inFlight_ > 0;
}

DriverStatus FtdiReceiver::Receive(std::span<std::uint8_t> buffer,
                                   std::chrono::steady_clock::time_point deadline,
                                   std::size_t& received) {
  received = 0;
  while (true) {
    const std::size_t taken = std::min(buffer.size() - received, arrived_.size());
    std::copy_n(arrived_.begin(), taken, buffer.begin() + static_cast<std::ptrdiff_t>(received));
    arrived_.erase(arrived_.begin(), arrived_.begin() + static_cast<std::ptrdiff_t>(taken));
    received += taken;
    if (received == buffer.size()) return DriverOk;
    if (deviceGone_ || failed_ || inFlight_ == 0) return DriverIoError;
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) return DriverOk;
    HandleEvents(deadline - now);
  }
}

void FtdiReceiver::Discard() {
  HandleEvents(std::chrono::steady_clock::duration::zero());
  arrived_.clear();
}

void FtdiReceiver::Stop() {
  stopping_ = true;
  for (libusb_transfer* transfer : transfers_) libusb_cancel_transfer(transfer);
  const auto limit = std::chrono::steady_clock::now() + StopLimit;
  while (inFlight_ > 0 && std::chrono::steady_clock::now() < limit) {
    HandleEvents(limit - std::chrono::steady_clock::now());
  }
}

void FtdiReceiver::Completed(libusb_transfer* transfer) {
  auto& receiver = *static_cast<FtdiReceiver*>(transfer->user_data);
  --receiver.inFlight_;
  // A cancelled transfer may still carry packets that reached the host.
  receiver.TakeData(*transfer);
  switch (transfer->status) {
    case LIBUSB_TRANSFER_COMPLETED:
      if (!receiver.stopping_) receiver.Submit(transfer);
      return;
    case LIBUSB_TRANSFER_CANCELLED:
      return;
    case LIBUSB_TRANSFER_NO_DEVICE:
      receiver.deviceGone_ = true;
      return;
    default:
      receiver.failed_ = true;
      return;
  }
}

void FtdiReceiver::Submit(libusb_transfer* transfer) {
  const int result = libusb_submit_transfer(transfer);
  if (result == 0) {
    ++inFlight_;
  } else if (result == LIBUSB_ERROR_NO_DEVICE) {
    deviceGone_ = true;
  } else {
    failed_ = true;
  }
}

void FtdiReceiver::TakeData(const libusb_transfer& transfer) {
  const auto length = static_cast<std::size_t>(std::max(transfer.actual_length, 0));
  for (std::size_t packet = 0; packet < length; packet += packetSize_) {
    const std::size_t end = std::min(packet + packetSize_, length);
    if (packet + ModemStatusBytes < end) {
      arrived_.insert(arrived_.end(), transfer.buffer + packet + ModemStatusBytes,
                      transfer.buffer + end);
    }
  }
}

void FtdiReceiver::HandleEvents(std::chrono::steady_clock::duration wait) {
  const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(wait).count();
  timeval timeout{static_cast<time_t>(micros / 1000000),
                  static_cast<suseconds_t>(micros % 1000000)};
  libusb_handle_events_timeout_completed(usb_, &timeout, nullptr);
}
