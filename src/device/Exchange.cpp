#include "device/Exchange.h"

#include <algorithm>
#include <vector>

Answer Exchange(DeviceLink& link, std::initializer_list<std::uint8_t> command,
                std::size_t answerLength) {
  const std::vector<std::uint8_t> bytes(command);
  link.SendBytes(bytes);
  Answer answer;
  answer.Count =
      link.ReceiveBytes(std::span(answer.Bytes).first(std::min(answerLength, Answer::MaxLength)))
          .Count;
  return answer;
}
