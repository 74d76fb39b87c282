#include "device/FlashImage.h"

#include <algorithm>

#include "device/WireCommands.h"

FlashImage::FlashImage(std::uint32_t size)
    : size_(size), pages_((size + PageSize - 1) / PageSize) {}

void FlashImage::Erase() {
  for (auto& page : pages_) page.reset();
}

void FlashImage::Write(std::uint32_t address, std::span<const std::uint8_t> bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const std::uint64_t target = std::uint64_t{address} + i;
    if (target >= size_) return;
    auto& page = pages_[target / PageSize];
    if (!page) {
      page = std::make_unique<Page>();
      page->fill(ErasedByte);
    }
    const std::size_t offset = target % PageSize;
    const std::size_t count = std::min(bytes.size() - i, PageSize - offset);
    std::copy_n(bytes.begin() + i, count, page->begin() + offset);
    i += count;
  }
}

std::uint8_t FlashImage::At(std::uint32_t address) const {
  if (address >= size_) return ErasedByte;
  const auto& page = pages_[address / PageSize];
  return page ? (*page)[address % PageSize] : ErasedByte;
}

std::vector<std::uint8_t> FlashImage::Read(std::uint32_t address, std::uint32_t length) const {
  std::vector<std::uint8_t> bytes(length);
  for (std::uint32_t i = 0; i < length; ++i) bytes[i] = At(address + i);
  return bytes;
}

std::size_t FlashImage::StoredBytes() const {
  return PageSize * std::count_if(pages_.begin(), pages_.end(),
                                  [](const auto& page) { return page != nullptr; });
}
