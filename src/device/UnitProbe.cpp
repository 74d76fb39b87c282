#include "device/UnitProbe.h"

#include <algorithm>

#include "device/Exchange.h"

namespace {

// A unit that does not answer the button-count query has two buttons.
constexpr int ButtonCountWithoutAnswer = 2;

}  // namespace

std::string FormatFirmwareVersion(std::uint8_t part1, std::uint8_t part2, std::uint8_t part3,
                                  std::uint8_t part4) {
  // Units either send the version digits as numbers or as characters.
  if (part1 < 16) {
    return std::to_string(part1) + std::to_string(part2) + "." + std::to_string(part3) +
           std::to_string(part4);
  }
  return std::string{static_cast<char>(part1), static_cast<char>(part2), '.',
                     static_cast<char>(part3), static_cast<char>(part4)};
}

void UnitProbe::ProbeUnit() {
  const std::optional<std::string> programmer = link_.FindProgrammer();
  listedProgrammer_ = programmer.value_or("");
  foundInUse_ = false;
  if (programmer && !status_.UnitPresent) RunFullProbe(*programmer);
  if (foundInUse_) return;
  // Without a programmer, or with a unit that did not answer, nothing of
  // the unit is known.
  if (!programmer || !status_.UnitPresent) {
    status_.UnitPresent = false;
    status_.Clear();
  }
}

void UnitProbe::ForceProbe() {
  const UnitStatus before = status_;
  status_.UnitPresent = false;
  ProbeUnit();
  if (foundInUse_) status_ = before;
}

void UnitProbe::RunFullProbe(const std::string& description) {
  link_.Description = description;
  if (link_.OpenLink() == LinkOpening::InUse) {
    foundInUse_ = true;
    return;
  }
  status_.ButtonCount = MaxButtonCount;
  status_.MemoryCount = 0;
  for (int slot = 0; slot < MemorySlotCount; ++slot) {
    const Answer answer = Exchange(link_, {CmdIdentifySlot, static_cast<std::uint8_t>(slot)},
                                   IdentifySlotAnswerLength);
    if (answer.Count == 0 && slot == 0) {
      link_.CloseLink();
      return;
    }
    if (answer.IsAcknowledged(IdentifySlotAnswerLength)) ReadSlotAnswer(slot, answer);
  }
  ReadFirmwareVersion();
  ReadButtonCount();
  link_.CloseLink();
}

void UnitProbe::ReadSlotAnswer(int slot, const Answer& answer) {
  MemorySlot& memorySlot = status_.Slots[slot];
  const std::uint8_t manufacturer = answer.Bytes[3];
  const RecognisedMemory* memory = FindRecognisedMemory(answer.Bytes[4]);
  if (manufacturer == RecognisedManufacturer && memory != nullptr) {
    memorySlot.Capacity = memory->Capacity;
    memorySlot.DeviceCode = memory->DeviceCode;
    memorySlot.WriteCommand = memory->WriteCommand;
    memorySlot.WriteWidth = memory->WriteWidth;
    ++status_.MemoryCount;
  } else if (manufacturer == RecognisedManufacturer) {
    memorySlot.Capacity = 0;
    memorySlot.DeviceCode = 0;
    memorySlot.WriteCommand = 0;
    memorySlot.WriteWidth = 0;
  } else {
    memorySlot.Capacity = 0;
    memorySlot.DeviceCode = 0;
  }
  const int profileNumber = answer.Bytes[6] * 256 + answer.Bytes[5];
  memorySlot.ProfileNumber = profileNumber > MaxStoredProfileNumber ? -1 : profileNumber;
  status_.UnitPresent = true;
}

void UnitProbe::ReadFirmwareVersion() {
  const Answer answer = Exchange(link_, {CmdReadVersion, 0x00}, ReadVersionAnswerLength);
  status_.FirmwareVersion = answer.IsAcknowledged(ReadVersionAnswerLength)
                                ? FormatFirmwareVersion(answer.Bytes[3], answer.Bytes[4],
                                                        answer.Bytes[5], answer.Bytes[6])
                                : std::string();
}

void UnitProbe::ReadButtonCount() {
  const Answer answer = Exchange(link_, {CmdReadButtonCount, 0x00}, ReadButtonCountAnswerLength);
  // More than the unit's eight tabs cannot be shown; a larger count is a unit fault.
  status_.ButtonCount = answer.IsAcknowledged(ReadButtonCountAnswerLength)
                            ? std::min<int>(answer.Bytes[3], MaxButtonCount)
                            : ButtonCountWithoutAnswer;
}
