#include "device/Exchange.h"

#include <algorithm>

Answer ReceiveAnswer(DeviceLink& link, std::size_t answerLength,
                     std::chrono::milliseconds timeout) {
  Answer answer;
  answer.Count =
      link.ReceiveBytes(std::span(answer.Bytes).first(std::min(answerLength, Answer::MaxLength)),
                        timeout)
          .Count;
  return answer;
}

Answer Exchange(DeviceLink& link, std::span<const std::uint8_t> command, std::size_t answerLength) {
  link.SendBytes(command);
  return ReceiveAnswer(link, answerLength);
}

Answer Exchange(DeviceLink& link, std::initializer_list<std::uint8_t> command,
                std::size_t answerLength) {
  return Exchange(link, std::span(command.begin(), command.size()), answerLength);
}
