#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "device/SoundOverhead.h"
#include "device/UnitStatus.h"

// The song count and the song index are single bytes on the wire, and 0xFF is
// what erased flash reads.
constexpr std::size_t MaxSongsPerMemory = 254;
// Sizes and addresses on the wire take 24 bits.
constexpr std::int64_t MaxSongSize = 0xFFFFFF;

// The sounds [First, Next) in global order go into the memory in Slot; Used is
// the sum of their sizes plus their overhead.
struct MemoryAssignment {
  int Slot = 0;
  std::size_t First = 0;
  std::size_t Next = 0;
  std::int64_t Used = 0;

  std::size_t SongCount() const { return Next - First; }
};

// Why the sounds after the fitting ones are left out.
enum class PackingStop {
  AllPlaced,
  // The first sound left out is larger than every memory (or than the wire's 24 bits).
  SoundLargerThanEveryMemory,
  // The memories left cannot take the first sound left out.
  MemoriesFull,
};

struct SoundPacking {
  // One entry per recognised memory, in slot order, also for memories that
  // receive no sound.
  std::vector<MemoryAssignment> Memories;
  // The sounds from the first onwards that were placed; the rest do not fit.
  std::size_t FittingCount = 0;
  PackingStop Stop = PackingStop::AllPlaced;
  // The usable bytes of the largest recognised memory.
  std::uint32_t LargestCapacity = 0;
};

// Packs the sounds, given by their sizes in global order (all of Btn1 first),
// into the recognised memories in slot order. A memory takes the longest run
// of the following sounds that fits; the first sound that does not fit opens
// the next memory. Sounds are never reordered or skipped. A negative size, or
// one beyond 24 bits, never fits.
SoundPacking PackSounds(std::span<const std::int64_t> sizes, const UnitStatus& status);
