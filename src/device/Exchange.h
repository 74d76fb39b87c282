#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>

#include "device/DeviceLink.h"
#include "device/WireCommands.h"

// The fixed-length answer to one command.
struct Answer {
  static constexpr std::size_t MaxLength = 16;
  std::array<std::uint8_t, MaxLength> Bytes{};
  std::size_t Count = 0;

  // All expected bytes arrived and byte 0 is the acknowledgement.
  bool IsAcknowledged(std::size_t expectedLength) const {
    return Count == expectedLength && Bytes[0] == AckByte;
  }
};

// Reads an answer of the given length (one ReceiveBytes).
Answer ReceiveAnswer(DeviceLink& link, std::size_t answerLength,
                     std::chrono::milliseconds timeout = AnswerTimeout);

// Sends one command and reads its answer of the given length (one SendBytes,
// one ReceiveBytes).
Answer Exchange(DeviceLink& link, std::span<const std::uint8_t> command, std::size_t answerLength);
Answer Exchange(DeviceLink& link, std::initializer_list<std::uint8_t> command,
                std::size_t answerLength);
