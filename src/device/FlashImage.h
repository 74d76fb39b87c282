#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// The content of one simulated flash memory. Erased flash reads 0xFF; storage
// is taken only for the pages that were written.
class FlashImage {
 public:
  explicit FlashImage(std::uint32_t size);

  std::uint32_t Size() const { return size_; }
  void Erase();
  // Bytes that would lie beyond the end of the memory are dropped.
  void Write(std::uint32_t address, std::span<const std::uint8_t> bytes);
  std::vector<std::uint8_t> Read(std::uint32_t address, std::uint32_t length) const;
  std::uint8_t At(std::uint32_t address) const;
  std::size_t StoredBytes() const;

 private:
  static constexpr std::uint32_t PageSize = 4096;
  using Page = std::array<std::uint8_t, PageSize>;

  std::uint32_t size_;
  std::vector<std::unique_ptr<Page>> pages_;
};
