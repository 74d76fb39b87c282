#pragma once

#include <umockdev.h>

#include <chrono>
#include <cstdint>
#include <deque>
#include <list>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "device/UnitModel.h"

// umockdev's test bed: a sysfs and /dev of its own that libusb sees in a
// process started under umockdev-wrapper. Devices on its one bus get
// addresses in plug order, as the kernel gives them.
// The product string of the emulated programmer the tests plug in.
inline constexpr const char* ProgrammerString = "QVT2 USB Programmer";

class EmulatedUsbBus {
 public:
  EmulatedUsbBus();
  ~EmulatedUsbBus();
  EmulatedUsbBus(const EmulatedUsbBus&) = delete;
  EmulatedUsbBus& operator=(const EmulatedUsbBus&) = delete;

  UMockdevTestbed* TestBed() const { return testBed_; }
  int NextAddress() { return nextAddress_++; }

 private:
  UMockdevTestbed* testBed_;
  int nextAddress_ = 2;
};

// An FTDI chip (vendor 0x0403) on the emulated bus with a unit model behind
// it. Its ioctl handler answers what libusb and libftdi1 send through
// usbdevfs as the chip does: descriptors, FTDI's vendor requests, bulk OUT
// data handed to the unit, and bulk IN packets that each start with the
// chip's two modem-status bytes, released when they fill the transfer or when
// the chip's latency timer expires. As the kernel does, it lets one open
// device node at a time claim its interface.
class EmulatedProgrammer {
 public:
  using Bytes = std::vector<std::uint8_t>;
  struct Identity {
    std::uint16_t ProductId;
    std::string Product;
    int Port;  // on the root hub
  };
  // An FTDI vendor request from the host (reset, purge, latency timer, ...).
  struct VendorRequest {
    std::uint8_t Request;
    std::uint16_t Value;
    bool operator==(const VendorRequest&) const = default;
  };
  struct TransferCounts {
    int Control = 0;
    int BulkOut = 0;
    int BulkIn = 0;
    std::uint64_t BulkBytes = 0;  // both ways, the modem-status bytes included
  };

  EmulatedProgrammer(EmulatedUsbBus& bus, Identity identity, UnitModel unit);
  ~EmulatedProgrammer();
  EmulatedProgrammer(const EmulatedProgrammer&) = delete;
  EmulatedProgrammer& operator=(const EmulatedProgrammer&) = delete;

  // Appears on the bus at a new address.
  void Plug();
  // Every further request fails as for a device that is gone, transfers in
  // flight end, and the device leaves the test bed.
  void Unplug();

  // Chip behaviour.
  void RefuseLatencyTimer(bool refuse) { Set(refuseLatency_, refuse); }
  // The chip's latency timer stays at this value whatever the host sets.
  void HoldLatencyTimer(std::chrono::milliseconds latency) { Set(heldLatency_, latency); }
  void FailInterfaceRelease(bool fail) { Set(failRelease_, fail); }
  // The next `times` reads of the product string stall, as a chip may just
  // after it was plugged in.
  void StallProductString(int times) { Set(stalledProductReads_, times); }
  // Bytes take their time on the bus at this speed (0: they take none).
  void SetBusSpeed(double bytesPerSecond) { Set(bytesPerSecond_, bytesPerSecond); }

  // What reached the chip: how often its device node was opened, the vendor
  // requests, each bulk OUT transfer's bytes; safe to call while the handler runs.
  int Opens() const { return Get(opens_); }
  std::vector<VendorRequest> VendorRequests() const { return Get(vendorRequests_); }
  std::vector<Bytes> BulkWrites() const { return Get(bulkWrites_); }
  TransferCounts Transfers() const { return Get(transfers_); }
  void ClearRecords();
  // Runs `work` on the unit model while the handler is kept out.
  template <typename Work>
  auto WithUnit(Work work) {
    std::lock_guard lock(mutex_);
    return work(unit_);
  }

 private:
  using Clock = std::chrono::steady_clock;
  // A USB request block the host submitted, with the time it may be reaped.
  struct Urb {
    UMockdevIoctlData* Data;
    Clock::time_point ReadyAt;
  };
  // The transfers of one client (an open device node); it holds their data.
  struct ClientUrbs {
    ~ClientUrbs();
    std::deque<Urb> Done;
    std::deque<Urb> WaitingForData;  // bulk IN
    bool Polling = false;            // the last reap found nothing done
  };
  // One attachment of the ioctl handler: a plug-in at one address.
  struct Plugging {
    EmulatedProgrammer* Programmer;
    int Number;
    std::string Node;
    UMockdevIoctlBase* Handler;
  };

  template <typename Field, typename Value>
  void Set(Field& field, Value value) {
    std::lock_guard lock(mutex_);
    field = value;
  }
  template <typename Field>
  Field Get(const Field& field) const {
    std::lock_guard lock(mutex_);
    return field;
  }
  void Answer(UMockdevIoctlClient* client, bool current, std::unique_lock<std::mutex>& lock);
  void Submit(UMockdevIoctlClient* client, UMockdevIoctlData* argument);
  void Reap(UMockdevIoctlClient* client, UMockdevIoctlData* argument, bool current,
            std::unique_lock<std::mutex>& lock);
  void Discard(UMockdevIoctlClient* client, UMockdevIoctlData* argument);
  void Claim(UMockdevIoctlClient* client, UMockdevIoctlData* argument);
  void Release(UMockdevIoctlClient* client, UMockdevIoctlData* argument);
  void FreeInterface();
  // The answer to a control transfer; no value: the chip stalls it.
  std::optional<Bytes> ControlTransfer(const std::uint8_t* setup);
  std::chrono::milliseconds Latency() const { return heldLatency_.value_or(latency_); }
  void ReleaseBulkIn(ClientUrbs& urbs, Clock::time_point now);
  void FillBulkIn(Urb& urb, std::size_t dataBytes, int status);
  Clock::time_point BusTimeAfter(std::size_t bytes, Clock::time_point now);
  std::string Record(int address) const;
  std::string SysfsPath() const;

  EmulatedUsbBus& bus_;
  const Identity identity_;
  std::list<Plugging> pluggings_;

  mutable std::mutex mutex_;
  int plugNumber_ = 0;
  bool plugged_ = false;
  UnitModel unit_;
  std::map<UMockdevIoctlClient*, ClientUrbs> urbs_;
  // The client that claimed the interface, with a reference of ours.
  UMockdevIoctlClient* interfaceHolder_ = nullptr;
  std::deque<std::uint8_t> toHost_;  // the chip's buffer of bytes from the unit
  std::chrono::milliseconds latency_{16};
  std::optional<std::chrono::milliseconds> heldLatency_;
  Clock::time_point lastBulkIn_ = Clock::now();
  Clock::time_point busFreeAt_ = Clock::now();
  double bytesPerSecond_ = 0;
  bool refuseLatency_ = false;
  bool failRelease_ = false;
  int stalledProductReads_ = 0;

  int opens_ = 0;
  std::vector<VendorRequest> vendorRequests_;
  std::vector<Bytes> bulkWrites_;
  TransferCounts transfers_;
};
