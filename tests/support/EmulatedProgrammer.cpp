#include "support/EmulatedProgrammer.h"

// The ioctl numbers need the kernel's ioctl macros first.
#include <linux/ioctl.h>
#include <linux/usbdevice_fs.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <stdexcept>
#include <thread>

namespace {

using Bytes = EmulatedProgrammer::Bytes;

constexpr std::uint8_t BulkInEndpoint = 0x81;
constexpr std::uint8_t BulkOutEndpoint = 0x02;
constexpr std::size_t PacketSize = 64;
// Every bulk IN packet starts with the two modem-status bytes.
constexpr std::uint8_t ModemStatus[] = {0x01, 0x60};
constexpr std::size_t PacketData = PacketSize - sizeof ModemStatus;
// The longest a reap waits for a transfer to be done before it answers "not yet".
constexpr std::chrono::milliseconds MaxReapWait{1};

// FTDI vendor requests.
constexpr std::uint8_t ResetRequest = 0x00;
constexpr std::uint16_t ResetChip = 0;
constexpr std::uint16_t PurgeBytesForTheHost = 2;
constexpr std::uint8_t SetLatencyTimerRequest = 0x09;
// Standard requests.
constexpr std::uint8_t GetDescriptorRequest = 0x06;
// The descriptor type and index of the product string.
constexpr std::uint16_t ProductStringValue = 0x0302;

std::string Hex(const Bytes& bytes) {
  constexpr char digits[] = "0123456789abcdef";
  std::string text;
  for (const std::uint8_t byte : bytes) text += {digits[byte >> 4], digits[byte & 15]};
  return text;
}

// bcdDevice 6.00: libftdi1 takes it for an FT232R; no serial number.
Bytes DeviceDescriptor(std::uint16_t productId) {
  const auto low = static_cast<std::uint8_t>(productId);
  const auto high = static_cast<std::uint8_t>(productId >> 8);
  return {0x12, 0x01, 0x00, 0x02, 0x00, 0x00, 0x00, 0x40,  // USB 2.0, 64 bytes on endpoint 0
          0x03, 0x04, low,  high, 0x00, 0x06,              // vendor 0x0403, product, bcdDevice
          0x01, 0x02, 0x00, 0x01};  // manufacturer and product strings, one configuration
}

// Configuration 1 (32 bytes, bus-powered, 90 mA); interface 0, vendor-specific, with
// two endpoints: bulk IN 0x81 and bulk OUT 0x02 of 64 bytes.
const Bytes ConfigurationDescriptor = {
    0x09, 0x02, 0x20, 0x00, 0x01, 0x01, 0x00, 0x80, 0x2d,  // configuration
    0x09, 0x04, 0x00, 0x00, 0x02, 0xff, 0xff, 0xff, 0x02,  // interface
    0x07, 0x05, 0x81, 0x02, 0x40, 0x00, 0x00,              // endpoint
    0x07, 0x05, 0x02, 0x02, 0x40, 0x00, 0x00};             // endpoint

Bytes StringDescriptor(const std::string& text) {
  Bytes descriptor = {static_cast<std::uint8_t>(2 + 2 * text.size()), 0x03};
  for (const char character : text) {
    descriptor.insert(descriptor.end(), {static_cast<std::uint8_t>(character), 0});
  }
  return descriptor;
}

// The chip's answer to a standard request: its descriptors; no value: it stalls.
std::optional<Bytes> StandardAnswer(const EmulatedProgrammer::Identity& identity,
                                    std::uint8_t request, std::uint16_t value) {
  if (request != GetDescriptorRequest) return Bytes{};
  const int index = value & 0xFF;
  switch (value >> 8) {
    case 0x01:
      return DeviceDescriptor(identity.ProductId);
    case 0x02:
      return ConfigurationDescriptor;
    case 0x03:
      if (index == 0) return Bytes{0x04, 0x03, 0x09, 0x04};  // US English only
      if (index <= 2) return StringDescriptor(index == 1 ? "FTDI" : identity.Product);
  }
  return std::nullopt;
}

usbdevfs_urb& Block(UMockdevIoctlData* data) {
  return *reinterpret_cast<usbdevfs_urb*>(data->data);
}

// How many data bytes a bulk IN transfer of this length holds.
std::size_t DataCapacity(int bufferLength) {
  const std::size_t whole = bufferLength / PacketSize;
  const std::size_t rest = bufferLength % PacketSize;
  return whole * PacketData + (rest > sizeof ModemStatus ? rest - sizeof ModemStatus : 0);
}

// The address as the device node's name has it: three digits.
std::string Number(int address) {
  const std::string digits = std::to_string(address);
  return std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits;
}

void Complete(UMockdevIoctlClient* client, long result, int error = 0) {
  umockdev_ioctl_client_complete(client, result, error);
}

// The interface number that a claim or release points to.
unsigned int InterfaceNumber(UMockdevIoctlData* argument) {
  UMockdevIoctlData* number =
      umockdev_ioctl_data_resolve(argument, 0, sizeof(unsigned int), nullptr);
  const unsigned int interface = *reinterpret_cast<unsigned int*>(number->data);
  g_object_unref(number);
  return interface;
}

}  // namespace

EmulatedUsbBus::EmulatedUsbBus() : testBed_(umockdev_testbed_new()) {}

EmulatedUsbBus::~EmulatedUsbBus() {
  g_object_unref(testBed_);
}

EmulatedProgrammer::ClientUrbs::~ClientUrbs() {
  for (Urb& urb : Done) g_object_unref(urb.Data);
  for (Urb& urb : WaitingForData) g_object_unref(urb.Data);
}

EmulatedProgrammer::EmulatedProgrammer(EmulatedUsbBus& bus, Identity identity, UnitModel unit)
    : bus_(bus), identity_(std::move(identity)), unit_(std::move(unit)) {}

EmulatedProgrammer::~EmulatedProgrammer() {
  FreeInterface();
  if (plugged_) umockdev_testbed_remove_device(bus_.TestBed(), SysfsPath().c_str());
  for (Plugging& plugging : pluggings_) {
    umockdev_testbed_detach_ioctl(bus_.TestBed(), plugging.Node.c_str(), nullptr);
    g_object_unref(plugging.Handler);
  }
}

void EmulatedProgrammer::Plug() {
  const int address = bus_.NextAddress();
  Plugging& plugging = pluggings_.emplace_back(Plugging{
      this, plugNumber_ + 1, "/dev/bus/usb/001/" + Number(address), umockdev_ioctl_base_new()});
  // umockdev calls these on a worker thread of its own.
  const auto handleIoctl = [](UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer data) {
    const Plugging& at = *static_cast<Plugging*>(data);
    EmulatedProgrammer& programmer = *at.Programmer;
    std::unique_lock lock(programmer.mutex_);
    programmer.Answer(client, programmer.plugged_ && at.Number == programmer.plugNumber_, lock);
    return gboolean{TRUE};
  };
  const auto clientConnected = [](UMockdevIoctlBase*, UMockdevIoctlClient*, gpointer data) {
    EmulatedProgrammer& programmer = *static_cast<Plugging*>(data)->Programmer;
    std::lock_guard lock(programmer.mutex_);
    ++programmer.opens_;
  };
  const auto clientVanished = [](UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer data) {
    EmulatedProgrammer& programmer = *static_cast<Plugging*>(data)->Programmer;
    std::lock_guard lock(programmer.mutex_);
    programmer.urbs_.erase(client);
  };
  g_signal_connect(plugging.Handler, "handle-ioctl", G_CALLBACK(+handleIoctl), &plugging);
  g_signal_connect(plugging.Handler, "client-connected", G_CALLBACK(+clientConnected), &plugging);
  g_signal_connect(plugging.Handler, "client-vanished", G_CALLBACK(+clientVanished), &plugging);
  // The handler comes first, and answers as the device plugged in, so that the
  // device answers as soon as libusb sees it (adding the device tells of its
  // arrival at once).
  GError* error = nullptr;
  if (!umockdev_testbed_attach_ioctl(bus_.TestBed(), plugging.Node.c_str(), plugging.Handler,
                                     &error)) {
    throw std::runtime_error(error->message);
  }
  {
    std::lock_guard lock(mutex_);
    plugNumber_ = plugging.Number;
    plugged_ = true;
    FreeInterface();
  }
  if (!umockdev_testbed_add_from_string(bus_.TestBed(), Record(address).c_str(), &error)) {
    throw std::runtime_error(error->message);
  }
}

void EmulatedProgrammer::Unplug() {
  {
    std::lock_guard lock(mutex_);
    plugged_ = false;
    // The host gets back what it had in flight, ended by the device's departure.
    for (auto& [client, urbs] : urbs_) {
      for (Urb& urb : urbs.WaitingForData) {
        FillBulkIn(urb, 0, -ENODEV);
        urbs.Done.push_back(urb);
      }
      urbs.WaitingForData.clear();
    }
  }
  // As the kernel does, the device's departure is told; the test bed needs
  // the device for that, so it goes after.
  umockdev_testbed_uevent(bus_.TestBed(), SysfsPath().c_str(), "remove");
  umockdev_testbed_remove_device(bus_.TestBed(), SysfsPath().c_str());
}

void EmulatedProgrammer::ClearRecords() {
  std::lock_guard lock(mutex_);
  opens_ = 0;
  vendorRequests_.clear();
  bulkWrites_.clear();
  transfers_ = {};
}

// What usbdevfs answers. A device that is gone fails every request with
// ENODEV, except the reaping of transfers it ended.
void EmulatedProgrammer::Answer(UMockdevIoctlClient* client, bool current,
                                std::unique_lock<std::mutex>& lock) {
  const unsigned long request = umockdev_ioctl_client_get_request(client);
  UMockdevIoctlData* argument = umockdev_ioctl_client_get_arg(client);
  if (request == USBDEVFS_REAPURBNDELAY) return Reap(client, argument, current, lock);
  if (!current) return Complete(client, -1, ENODEV);
  switch (request) {
    case USBDEVFS_GET_CAPABILITIES: {
      UMockdevIoctlData* capabilities =
          umockdev_ioctl_data_resolve(argument, 0, sizeof(std::uint32_t), nullptr);
      *reinterpret_cast<std::uint32_t*>(capabilities->data) =
          USBDEVFS_CAP_BULK_CONTINUATION | USBDEVFS_CAP_NO_PACKET_SIZE_LIM |
          USBDEVFS_CAP_REAP_AFTER_DISCONNECT | USBDEVFS_CAP_ZERO_PACKET;
      Complete(client, 0);
      g_object_unref(capabilities);
      return;
    }
    case USBDEVFS_SUBMITURB:
      return Submit(client, argument);
    case USBDEVFS_DISCARDURB:
      return Discard(client, argument);
    case USBDEVFS_CLAIMINTERFACE:
      return Claim(client, argument);
    case USBDEVFS_RELEASEINTERFACE:
      return Release(client, argument);
    case USBDEVFS_SETINTERFACE:
    case USBDEVFS_SETCONFIGURATION:
    case USBDEVFS_CLEAR_HALT:
    case USBDEVFS_RESETEP:
    case USBDEVFS_RESET:
      return Complete(client, 0);
    case USBDEVFS_GETDRIVER:
    case USBDEVFS_IOCTL:
      return Complete(client, -1, ENODATA);  // no kernel driver is bound
    default:
      return Complete(client, -1, ENOTTY);
  }
}

void EmulatedProgrammer::Submit(UMockdevIoctlClient* client, UMockdevIoctlData* argument) {
  UMockdevIoctlData* data = umockdev_ioctl_data_resolve(argument, 0, sizeof(usbdevfs_urb), nullptr);
  usbdevfs_urb& urb = Block(data);
  // From here on urb.buffer points to a local copy that is synced back to
  // the host when the transfer is reaped.
  g_object_unref(umockdev_ioctl_data_resolve(data, offsetof(usbdevfs_urb, buffer),
                                             urb.buffer_length, nullptr));
  auto* buffer = static_cast<std::uint8_t*>(urb.buffer);
  const Clock::time_point now = Clock::now();
  ClientUrbs& urbs = urbs_[client];
  if (urb.type == USBDEVFS_URB_TYPE_CONTROL) {
    ++transfers_.Control;
    const std::optional<Bytes> answer = ControlTransfer(buffer);
    const std::size_t length =
        answer ? std::min<std::size_t>(answer->size(), urb.buffer_length - 8) : 0;
    if (answer) std::copy_n(answer->begin(), length, buffer + 8);
    urb.actual_length = static_cast<int>(length);
    urb.status = answer ? 0 : -EPIPE;
    urbs.Done.push_back({data, now});
  } else if (urb.type == USBDEVFS_URB_TYPE_BULK && urb.endpoint == BulkOutEndpoint) {
    ++transfers_.BulkOut;
    const Bytes bytes(buffer, buffer + urb.buffer_length);
    bulkWrites_.push_back(bytes);
    const bool taken = unit_.Receive(bytes);
    urb.actual_length = taken ? urb.buffer_length : 0;
    urb.status = taken ? 0 : -EPIPE;
    urbs.Done.push_back({data, BusTimeAfter(bytes.size(), now)});
  } else if (urb.type == USBDEVFS_URB_TYPE_BULK && urb.endpoint == BulkInEndpoint) {
    ++transfers_.BulkIn;
    urbs.WaitingForData.push_back({data, now});
  } else {
    g_object_unref(data);
    return Complete(client, -1, EINVAL);
  }
  Complete(client, 0);
}

void EmulatedProgrammer::Reap(UMockdevIoctlClient* client, UMockdevIoctlData* argument,
                              bool current, std::unique_lock<std::mutex>& lock) {
  const auto found = urbs_.find(client);
  if (found == urbs_.end()) return Complete(client, -1, current ? EAGAIN : ENODEV);
  ClientUrbs& urbs = found->second;
  if (current) ReleaseBulkIn(urbs, Clock::now());
  if (!urbs.Done.empty() && urbs.Done.front().ReadyAt <= Clock::now()) {
    urbs.Polling = false;
    UMockdevIoctlData* urb = urbs.Done.front().Data;
    urbs.Done.pop_front();
    UMockdevIoctlData* pointer = umockdev_ioctl_data_resolve(argument, 0, sizeof(void*), nullptr);
    umockdev_ioctl_data_set_ptr(pointer, 0, urb);
    Complete(client, 0);
    g_object_unref(pointer);
    g_object_unref(urb);
    return;
  }
  // A host that asks again and again with nothing done would sleep in poll()
  // on a real device node; the wait here spares it that busy loop.
  if (current && urbs.Polling) {
    Clock::time_point wakeAt = Clock::now() + MaxReapWait;  // or when a transfer can be done
    if (!urbs.Done.empty()) wakeAt = std::min(wakeAt, urbs.Done.front().ReadyAt);
    if (!urbs.WaitingForData.empty()) wakeAt = std::min(wakeAt, lastBulkIn_ + Latency());
    lock.unlock();
    std::this_thread::sleep_until(wakeAt);
    lock.lock();
  }
  urbs.Polling = true;
  Complete(client, -1, current ? EAGAIN : ENODEV);
}

// A cancelled bulk IN transfer comes back as it is: without data.
void EmulatedProgrammer::Discard(UMockdevIoctlClient* client, UMockdevIoctlData* argument) {
  const auto address = *reinterpret_cast<gulong*>(argument->data);
  ClientUrbs& urbs = urbs_[client];
  const auto found =
      std::find_if(urbs.WaitingForData.begin(), urbs.WaitingForData.end(),
                   [address](const Urb& urb) { return urb.Data->client_addr == address; });
  if (found == urbs.WaitingForData.end()) return Complete(client, -1, EINVAL);
  FillBulkIn(*found, 0, -ENOENT);
  urbs.Done.push_back(*found);
  urbs.WaitingForData.erase(found);
  Complete(client, 0);
}

// One open device node at a time holds the one interface; another one's
// claim is refused as busy until the holder releases it or closes its node.
void EmulatedProgrammer::Claim(UMockdevIoctlClient* client, UMockdevIoctlData* argument) {
  if (InterfaceNumber(argument) != 0) return Complete(client, -1, ENOENT);
  // umockdev never reports a client that closed its node ("client-vanished"
  // does not come); its connection tells.
  if (interfaceHolder_ != nullptr && !umockdev_ioctl_client_get_connected(interfaceHolder_)) {
    FreeInterface();
  }
  if (interfaceHolder_ != nullptr && interfaceHolder_ != client) {
    return Complete(client, -1, EBUSY);
  }
  if (interfaceHolder_ == nullptr) interfaceHolder_ = UMOCKDEV_IOCTL_CLIENT(g_object_ref(client));
  Complete(client, 0);
}

void EmulatedProgrammer::Release(UMockdevIoctlClient* client, UMockdevIoctlData* argument) {
  if (failRelease_) return Complete(client, -1, EIO);
  if (InterfaceNumber(argument) != 0 || interfaceHolder_ != client) {
    return Complete(client, -1, EINVAL);
  }
  FreeInterface();
  Complete(client, 0);
}

void EmulatedProgrammer::FreeInterface() {
  if (interfaceHolder_ != nullptr) g_object_unref(interfaceHolder_);
  interfaceHolder_ = nullptr;
}

std::optional<Bytes> EmulatedProgrammer::ControlTransfer(const std::uint8_t* setup) {
  const std::uint8_t request = setup[1];
  const std::uint16_t value = setup[2] | setup[3] << 8;
  if ((setup[0] & 0x60) != 0x40) {
    if (request == GetDescriptorRequest && value == ProductStringValue &&
        stalledProductReads_ > 0) {
      --stalledProductReads_;
      return std::nullopt;
    }
    return StandardAnswer(identity_, request, value);
  }
  if (request == SetLatencyTimerRequest) {
    if (refuseLatency_) return std::nullopt;
    latency_ = std::chrono::milliseconds(value & 0xFF);
  } else if (request == ResetRequest) {
    // Each open resets the chip; the unit starts afresh with it, as it does
    // behind the simulated programmer, and forgets data it still waited for.
    if (value == ResetChip) unit_.Reset();
    if (value == PurgeBytesForTheHost) unit_.DropAnswers();
    if (value == ResetChip || value == PurgeBytesForTheHost) toHost_.clear();
  }
  vendorRequests_.push_back({request, value});
  return Bytes{};
}

// The chip sends a bulk IN transfer back once its data fills it, or once the
// latency timer expires (with whatever it has, if only the status bytes).
void EmulatedProgrammer::ReleaseBulkIn(ClientUrbs& urbs, Clock::time_point now) {
  if (urbs.WaitingForData.empty()) return;
  std::uint8_t answer[4096];
  const std::size_t answered = unit_.TakeAnswer(answer);
  toHost_.insert(toHost_.end(), answer, answer + answered);
  Urb urb = urbs.WaitingForData.front();
  const std::size_t capacity = DataCapacity(Block(urb.Data).buffer_length);
  if (toHost_.size() < capacity && now - lastBulkIn_ < Latency()) return;
  lastBulkIn_ = now;
  FillBulkIn(urb, std::min(toHost_.size(), capacity), 0);
  urb.ReadyAt = BusTimeAfter(Block(urb.Data).actual_length, now);
  urbs.Done.push_back(urb);
  urbs.WaitingForData.pop_front();
}

// Moves `dataBytes` from the chip's buffer into the transfer, two status
// bytes before every 62 of them. A transfer that completes holds at least
// one packet; one that ends otherwise may hold none.
void EmulatedProgrammer::FillBulkIn(Urb& urb, std::size_t dataBytes, int status) {
  usbdevfs_urb& block = Block(urb.Data);
  auto* buffer = static_cast<std::uint8_t*>(block.buffer);
  std::size_t length = 0;
  for (bool firstPacket = status == 0; dataBytes > 0 || firstPacket; firstPacket = false) {
    buffer = std::copy(std::begin(ModemStatus), std::end(ModemStatus), buffer);
    const std::size_t taken = std::min(dataBytes, PacketData);
    buffer = std::copy_n(toHost_.begin(), taken, buffer);
    toHost_.erase(toHost_.begin(), toHost_.begin() + static_cast<std::ptrdiff_t>(taken));
    dataBytes -= taken;
    length += sizeof ModemStatus + taken;
  }
  block.actual_length = static_cast<int>(length);
  block.status = status;
}

EmulatedProgrammer::Clock::time_point EmulatedProgrammer::BusTimeAfter(std::size_t bytes,
                                                                       Clock::time_point now) {
  transfers_.BulkBytes += bytes;
  if (bytesPerSecond_ <= 0) return now;
  busFreeAt_ = std::max(busFreeAt_, now) +
               std::chrono::duration_cast<Clock::duration>(
                   std::chrono::duration<double>(static_cast<double>(bytes) / bytesPerSecond_));
  return busFreeAt_;
}

// The device in umockdev's record format: sysfs path, device node, udev
// properties, sysfs attributes and the descriptors that libusb reads there.
std::string EmulatedProgrammer::Record(int address) const {
  Bytes descriptors = DeviceDescriptor(identity_.ProductId);
  descriptors.insert(descriptors.end(), ConfigurationDescriptor.begin(),
                     ConfigurationDescriptor.end());
  const std::string number = Number(address);
  // The kernel's "vendor/product/release" in hex without leading zeros.
  char product[8];
  std::snprintf(product, sizeof product, "%x", identity_.ProductId);
  return "P: " + SysfsPath().substr(sizeof "/sys" - 1) + "\nN: bus/usb/001/" + number +
         "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\nE: DEVNAME=/dev/bus/usb/001/" + number +
         "\nE: BUSNUM=001\nE: DEVNUM=" + number + "\nE: PRODUCT=403/" + product + "/600" +
         "\nA: busnum=1\\n\nA: devnum=" + std::to_string(address) +
         "\\n\nA: speed=12\\n\nA: bConfigurationValue=1\\n\n" +
         "H: descriptors=" + Hex(descriptors) + "\n";
}

std::string EmulatedProgrammer::SysfsPath() const {
  return "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-" + std::to_string(identity_.Port);
}
