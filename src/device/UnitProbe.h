#pragma once

#include <string>

#include "device/DeviceLink.h"
#include "device/UnitStatus.h"

struct Answer;

// Learns the unit's memories, button count and firmware version. A full
// exchange runs only while the unit is not yet known to be present; otherwise
// a probe only checks that the programmer is still listed.
class UnitProbe {
 public:
  UnitProbe(DeviceLink& link, UnitStatus& status) : link_(link), status_(status) {}

  void ProbeUnit();
  // Forgets the unit so that the next probe, run at once, is a full one.
  void ForceProbe();
  // The last probe found the programmer claimed by another program: it
  // learned nothing, and the status is as it was.
  bool FoundProgrammerInUse() const { return foundInUse_; }
  // The description of the programmer as the last probe found it listed;
  // empty when it was not. With a silent unit it is listed all the same.
  const std::string& ListedProgrammer() const { return listedProgrammer_; }

 private:
  // Slot 0 silent ends the full probe at once.
  void RunFullProbe(const std::string& description);
  void ReadSlotAnswer(int slot, const Answer& answer);
  void ReadFirmwareVersion();
  void ReadButtonCount();

  DeviceLink& link_;
  UnitStatus& status_;
  std::string listedProgrammer_;
  bool foundInUse_ = false;
};

// The version text from the four version bytes of the unit's answer.
std::string FormatFirmwareVersion(std::uint8_t part1, std::uint8_t part2, std::uint8_t part3,
                                  std::uint8_t part4);
