#pragma once

#include <optional>
#include <string>

#include "device/ProgrammerDriver.h"

// InUse: another program has claimed the programmer.
enum class LinkOpening {
  AlreadyOpen = 1,
  Opened = 0,
  OpenFailed = -1,
  PurgeFailed = -2,
  InUse = -3
};
enum class LinkClosing { WasNotOpen = 1, Closed = 0, CloseFailed = -1 };

// Whether an opening left the link usable.
inline bool Failed(LinkOpening opening) {
  return opening != LinkOpening::Opened && opening != LinkOpening::AlreadyOpen;
}

// The outcome of one SendBytes or ReceiveBytes: the driver's status and the
// number of bytes that were written or that arrived.
struct LinkTransfer {
  DriverStatus Status = DriverOk;
  std::size_t Count = 0;
};

// The programmer's description prefix; the first listed device that starts
// with it is the programmer.
inline constexpr std::string_view ProgrammerPrefix = "QVT2";

// The one place that talks to the USB programmer. It is opened at the start of
// each use and closed at its end.
class DeviceLink {
 public:
  explicit DeviceLink(ProgrammerDriver& driver) : driver_(driver) {}

  DeviceHandle Handle = 0;
  std::string Description;

  // The description of the programmer among the attached devices, if listed.
  std::optional<std::string> FindProgrammer();
  LinkOpening OpenLink();
  LinkClosing CloseLink();
  // Each is exactly one driver call; neither loops nor splits.
  LinkTransfer SendBytes(std::span<const std::uint8_t> data);
  LinkTransfer ReceiveBytes(std::span<std::uint8_t> buffer,
                            std::chrono::milliseconds timeout = AnswerTimeout);

 private:
  ProgrammerDriver& driver_;
};

// The first entry of a ","-separated device list that starts with "QVT2".
std::optional<std::string> FindProgrammerInList(std::string_view deviceList);
