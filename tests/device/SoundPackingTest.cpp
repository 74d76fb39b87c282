#include "device/SoundPacking.h"

#include <gtest/gtest.h>

#include <limits>

#include "device/UnitStatus.h"

namespace {

UnitStatus UnitWith(std::initializer_list<std::pair<int, std::uint8_t>> memories) {
  UnitStatus status;
  status.UnitPresent = true;
  for (const auto& [slot, deviceCode] : memories) {
    const RecognisedMemory* memory = FindRecognisedMemory(deviceCode);
    status.Slots[slot] = {memory->Capacity, memory->DeviceCode, memory->WriteCommand,
                          memory->WriteWidth, -1};
  }
  return status;
}

// Each memory's sounds as [First, Next).
using SongRanges = std::vector<std::pair<std::size_t, std::size_t>>;

SongRanges Ranges(const SoundPacking& packing) {
  SongRanges ranges;
  for (const MemoryAssignment& memory : packing.Memories)
    ranges.emplace_back(memory.First, memory.Next);
  return ranges;
}

}  // namespace

TEST(SoundPackingTest, TheFirstSoundThatDoesNotFitOpensTheNextMemory) {
  const std::vector<std::int64_t> sizes = {200000, 300000};
  const SoundPacking packing = PackSounds(sizes, UnitWith({{0, 0x43}, {1, 0x41}}));
  EXPECT_EQ(Ranges(packing), (SongRanges{{0, 1}, {1, 2}}));
  EXPECT_EQ(packing.Memories[0].Used, 200016);
  EXPECT_EQ(packing.FittingCount, 2u);
}

TEST(SoundPackingTest, PackingNeverGoesBack) {
  const std::vector<std::int64_t> sizes = {2000000, 500000, 100};
  const SoundPacking packing = PackSounds(sizes, UnitWith({{0, 0x41}, {1, 0x43}}));
  EXPECT_EQ(Ranges(packing), (SongRanges{{0, 1}, {1, 1}}));
  EXPECT_EQ(packing.FittingCount, 1u) << "the small sound after the large one is not counted";
}

TEST(SoundPackingTest, OnlyRecognisedMemoriesTakeSoundsInSlotOrder) {
  UnitStatus status = UnitWith({{2, 0x43}, {5, 0x80}});
  status.Slots[0].Capacity = 100000;  // a capacity without a device code is no memory
  const std::vector<std::int64_t> sizes = {262127, 10};
  const SoundPacking packing = PackSounds(sizes, status);
  ASSERT_EQ(packing.Memories.size(), 2u);
  EXPECT_EQ(packing.Memories[0].Slot, 2);
  EXPECT_EQ(packing.Memories[0].Used, 262143) << "a sound that fills the memory exactly fits";
  EXPECT_EQ(packing.Memories[1].Slot, 5);
  EXPECT_EQ(packing.FittingCount, 2u);
  EXPECT_EQ(PackSounds(sizes, UnitStatus{}).FittingCount, 0u);
}

TEST(SoundPackingTest, ImpossibleSizesNeverFit) {
  const UnitStatus status = UnitWith({{0, 0x41}, {1, 0x41}});
  for (const std::int64_t size :
       {std::int64_t{-1}, std::int64_t{0x1000000}, std::numeric_limits<std::int64_t>::max(),
        std::numeric_limits<std::int64_t>::min()}) {
    const std::vector<std::int64_t> sizes = {10, size, 10};
    EXPECT_EQ(PackSounds(sizes, status).FittingCount, 1u) << size;
  }
}
