#pragma once

#include <string>
#include <vector>

// A profile file as the program writes it: one list of full paths per button.
inline std::string ProfileText(int number, const std::vector<std::vector<std::string>>& buttons) {
  std::string text = "[Profile]\r\nID=" + std::to_string(number) +
                     "\r\nNumButtons=" + std::to_string(buttons.size()) + "\r\n";
  for (std::size_t slot = 0; slot < buttons.size(); ++slot) {
    text += "[Button" + std::to_string(slot) +
            "]\r\nNumSounds=" + std::to_string(buttons[slot].size()) + "\r\n";
    for (std::size_t i = 0; i < buttons[slot].size(); ++i)
      text += "Sound" + std::to_string(i) + "=" + buttons[slot][i] + "\r\n";
  }
  return text;
}
