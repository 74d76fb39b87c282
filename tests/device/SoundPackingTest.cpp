#include "device/SoundPacking.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using Numbers = std::vector<std::int64_t>;

UnitStatus UnitWith(std::initializer_list<std::pair<int, std::uint8_t>> memories) {
  UnitStatus status;
  for (const auto& [slot, deviceCode] : memories) {
    const RecognisedMemory& memory = *FindRecognisedMemory(deviceCode);
    status.Slots[slot] = {memory.Capacity, deviceCode, memory.WriteCommand, memory.WriteWidth, -1};
  }
  return status;
}

// Each memory as slot, first sound, next sound and bytes used; then the fitting count.
Numbers Pack(const Numbers& sizes, const UnitStatus& status) {
  const SoundPacking packing = PackSounds(sizes, status);
  Numbers result;
  for (const MemoryAssignment& memory : packing.Memories) {
    result.insert(result.end(), {memory.Slot, static_cast<std::int64_t>(memory.First),
                                 static_cast<std::int64_t>(memory.Next), memory.Used});
  }
  result.push_back(static_cast<std::int64_t>(packing.FittingCount));
  return result;
}

}  // namespace

TEST(SoundPacking, FillsRecognisedMemoriesInSlotAndListOrderWithoutGoingBack) {
  EXPECT_EQ(Pack({200000, 300000}, UnitWith({{0, 0x43}, {1, 0x41}})),
            (Numbers{0, 0, 1, 200016, 1, 1, 2, 300016, 2}));
  EXPECT_EQ(Pack({2000000, 500000, 100}, UnitWith({{0, 0x41}, {1, 0x43}})),
            (Numbers{0, 0, 1, 2000016, 1, 1, 1, 0, 1}))
      << "the small sound after the large one is not placed";
  UnitStatus status = UnitWith({{2, 0x43}, {5, 0x80}});
  status.Slots[0].Capacity = 100000;  // a capacity without a device code is no memory
  EXPECT_EQ(Pack({262127, 10}, status), (Numbers{2, 0, 1, 262143, 5, 1, 2, 26, 2}))
      << "a sound that fills the memory exactly fits";
  for (const std::int64_t size :
       {std::int64_t{-1}, std::int64_t{0x1000000}, std::numeric_limits<std::int64_t>::max(),
        std::numeric_limits<std::int64_t>::min()}) {
    EXPECT_EQ(Pack({10, size, 10}, UnitWith({{0, 0x41}, {1, 0x41}})).back(), 1)
        << "never fits: " << size;
  }
}

TEST(SoundPacking, SaysWhetherTheFirstSoundLeftOutFitsNowhereOrFoundTheMemoriesFull) {
  const UnitStatus unit = UnitWith({{0, 0x41}, {1, 0x43}});
  EXPECT_EQ(PackSounds(Numbers{100, 200}, unit).Stop, PackingStop::AllPlaced);
  const SoundPacking tooLarge = PackSounds(Numbers{100, 2097151 - 15, 100}, unit);
  EXPECT_EQ(tooLarge.Stop, PackingStop::SoundLargerThanEveryMemory);
  EXPECT_EQ(tooLarge.LargestCapacity, 2097151u);
  EXPECT_EQ(PackSounds(Numbers{2097151 - 16, 300000}, unit).Stop, PackingStop::MemoriesFull)
      << "300,000 bytes would fit into an empty 0x41";
}
