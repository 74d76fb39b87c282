#include "device/UnitStatus.h"

#include <algorithm>

#include "device/WireCommands.h"

namespace {

// Each capacity is one byte less than the chip's size.
constexpr std::array<RecognisedMemory, 5> RecognisedMemories{{
    {0x41, 0x1FFFFF, CmdWriteDataWide, 2},
    {0x43, 0x3FFFF, CmdWriteDataNarrow, 1},
    {0x44, 0x7FFFF, CmdWriteDataNarrow, 1},
    {0x80, 0xFFFFF, CmdWriteDataNarrow, 1},
    {0x8E, 0xFFFFF, CmdWriteDataWide, 2},
}};

}  // namespace

void UnitStatus::Clear() {
  MemoryCount = 0;
  ButtonCount = MaxButtonCount;
  FirmwareVersion.clear();
  Slots.fill(MemorySlot{});
}

std::uint32_t UnitStatus::TotalCapacity() const {
  std::uint32_t total = 0;
  for (const MemorySlot& slot : Slots) total += slot.Capacity;
  return total;
}

const RecognisedMemory* FindRecognisedMemory(std::uint8_t deviceCode) {
  const auto found = std::find_if(
      RecognisedMemories.begin(), RecognisedMemories.end(),
      [deviceCode](const RecognisedMemory& memory) { return memory.DeviceCode == deviceCode; });
  return found == RecognisedMemories.end() ? nullptr : &*found;
}
