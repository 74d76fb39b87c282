#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <span>
#include <vector>

#include "device/ProgrammerDriver.h"

struct libusb_context;
struct libusb_device_handle;
struct libusb_transfer;

// The bytes that the programmer's chip sends to the host. Its bulk IN
// transfers stay in flight between reads, so that a read whose time-out
// passes loses nothing: what arrives later waits for the next read. Every USB
// packet from the chip starts with two modem-status bytes, which are dropped.
class FtdiReceiver {
 public:
  FtdiReceiver(libusb_context* usb, libusb_device_handle* device, unsigned char endpoint,
               int packetSize);
  ~FtdiReceiver();
  FtdiReceiver(const FtdiReceiver&) = delete;
  FtdiReceiver& operator=(const FtdiReceiver&) = delete;

  // Puts the transfers in flight; false when the device takes none.
  bool Start();
  // Fills `buffer` with what arrived, waiting for more until it is full or
  // the deadline passes. Fails only when the device is gone or its transfers
  // failed (with what arrived before).
  DriverStatus Receive(std::span<std::uint8_t> buffer,
                       std::chrono::steady_clock::time_point deadline, std::size_t& received);
  // Forgets what arrived so far.
  void Discard();
  // Cancels the transfers and waits until they are back; called before the
  // device handle closes (the destructor does it otherwise).
  void Stop();
  bool DeviceGone() const { return deviceGone_; }

 private:
  static void Completed(libusb_transfer* transfer);
  void Submit(libusb_transfer* transfer);
  void TakeData(const libusb_transfer& transfer);
  void HandleEvents(std::chrono::steady_clock::duration wait);

  libusb_context* usb_;
  std::size_t packetSize_;
  std::vector<std::unique_ptr<unsigned char[]>> buffers_;
  std::vector<libusb_transfer*> transfers_;
  int inFlight_ = 0;
  bool stopping_ = false;
  bool deviceGone_ = false;
  bool failed_ = false;
  std::deque<std::uint8_t> arrived_;
};
