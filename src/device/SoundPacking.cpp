#include "device/SoundPacking.h"

#include <algorithm>

namespace {

bool CanEverFit(std::int64_t size) {
  return size >= 0 && size <= MaxSongSize;
}

}  // namespace

SoundPacking PackSounds(std::span<const std::int64_t> sizes, const UnitStatus& status) {
  SoundPacking packing;
  std::size_t next = 0;
  for (int slot = 0; slot < MemorySlotCount; ++slot) {
    const MemorySlot& memory = status.Slots[slot];
    if (memory.DeviceCode == 0) continue;
    MemoryAssignment assignment{slot, next, next, 0};
    while (assignment.Next < sizes.size() && assignment.SongCount() < MaxSongsPerMemory) {
      const std::int64_t size = sizes[assignment.Next];
      if (!CanEverFit(size)) break;
      const std::int64_t cost = size + SoundOverheadBytes;
      if (std::int64_t{memory.Capacity} - assignment.Used < cost) break;
      assignment.Used += cost;
      ++assignment.Next;
    }
    next = assignment.Next;
    packing.Memories.push_back(assignment);
    packing.LargestCapacity = std::max(packing.LargestCapacity, memory.Capacity);
  }
  packing.FittingCount = next;
  if (next < sizes.size()) {
    const std::int64_t size = sizes[next];
    const bool fitsNowhere =
        !CanEverFit(size) || size + SoundOverheadBytes > std::int64_t{packing.LargestCapacity};
    packing.Stop = fitsNowhere ? PackingStop::SoundLargerThanEveryMemory : PackingStop::MemoriesFull;
  }
  return packing;
}
