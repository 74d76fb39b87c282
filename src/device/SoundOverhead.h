#pragma once

#include <cstdint>

// Every sound takes its size plus this many bytes on the unit: its entry in
// the memory's song table.
constexpr std::int64_t SoundOverheadBytes = 16;
