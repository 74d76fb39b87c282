#pragma once

#include <cstdint>
#include <cstdlib>
#include <span>

// A broken expectation is a finding: libFuzzer reports the abort.
inline void Require(bool condition) {
  if (!condition) std::abort();
}

// The fuzz input, read front to back; 0 once it is used up.
struct ByteSource {
  std::span<const std::uint8_t> Input;
  std::size_t Position = 0;
  std::uint8_t Next() { return Position < Input.size() ? Input[Position++] : 0; }
};
