#include "device/ProgrammingResult.h"

#include <array>
#include <algorithm>
#include <charconv>
#include <iterator>
#include <set>

ProgrammingResult ResultFor(int code) {
  switch (code) {
    case ProgrammingSucceeded:
      return {code, ""};
    case NoSongsToProgram:
      return {code, "No Songs To Program"};
    case SongTooLarge:
      return {code, "Song Is Too Large"};
    case ProgrammerUnreachable:
      return {code, "Make sure the unit is connected to a USB Port."};
    default:
      return {code, "ERROR " + std::to_string(code) + "."};
  }
}

std::string SecondsText(std::int64_t milliseconds) {
  // Up to 15 significant digits keep 1234567 ms at 1234.567 rather than its
  // binary neighbour; to_chars ignores the locale, so the point stays a point.
  std::array<char, 32> text{};
  const auto written =
      std::to_chars(text.data(), text.data() + text.size(),
                    static_cast<double>(milliseconds) * 0.001, std::chars_format::general, 15);
  return std::string(text.data(), written.ptr);
}

std::string SuccessText(std::int64_t elapsedMilliseconds, std::size_t notWrittenCount) {
  std::string text = "Success! " + SecondsText(elapsedMilliseconds) + " seconds";
  if (notWrittenCount == 1) text += " (1 sound did not fit and was not written)";
  if (notWrittenCount > 1) {
    text += " (" + std::to_string(notWrittenCount) + " sounds did not fit and were not written)";
  }
  return text;
}

std::vector<int> ButtonsLeftEmpty(const std::vector<int>& buttonOfRow, std::size_t writtenCount) {
  std::set<int> listed, written;
  for (std::size_t row = 0; row < buttonOfRow.size(); ++row) {
    listed.insert(buttonOfRow[row]);
    if (row < writtenCount) written.insert(buttonOfRow[row]);
  }
  std::vector<int> empty;
  std::set_difference(listed.begin(), listed.end(), written.begin(), written.end(),
                      std::back_inserter(empty));
  return empty;
}

std::string EmptyButtonsText(const std::vector<int>& buttons) {
  std::string text;
  for (std::size_t at = 0; at < buttons.size(); ++at) {
    if (at > 0) text += at + 1 == buttons.size() ? " and " : ", ";
    text += "Btn" + std::to_string(buttons[at]);
  }
  if (buttons.empty()) return text;
  return text + (buttons.size() == 1 ? " has" : " have") + " no sound on the unit";
}
