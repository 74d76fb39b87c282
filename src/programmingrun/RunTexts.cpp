#include "programmingrun/RunTexts.h"

#include <array>
#include <charconv>

#include "formatting/NumberFormat.h"
#include "profiles/VisibleText.h"

std::string ResultText(ProgrammingCode code) {
  switch (code) {
    case ProgrammingCode::Succeeded:
      return "";
    case ProgrammingCode::NoSongsToProgram:
      return "No Songs To Program";
    case ProgrammingCode::SongTooLarge:
      return "Song Is Too Large";
    case ProgrammingCode::ProgrammerUnreachable:
      return "Make sure the unit is connected to a USB Port.";
    case ProgrammingCode::Stopped:
      return "Stopped: the unit holds an incomplete profile. Program it again.";
    case ProgrammingCode::ProgrammerInUse:
      return ProgrammerHeldElsewhereText;
    default:
      return "ERROR " + std::to_string(static_cast<int>(code)) + ".";
  }
}

std::string ObstacleText(RunObstacle obstacle) {
  switch (obstacle) {
    case RunObstacle::ProgrammerInUse:
      return ProgrammerHeldElsewhereText;
    case RunObstacle::NoProgrammer:
      return ProgrammerNotFoundText;
    case RunObstacle::NoUnit:
      return UnitMustBeConnectedText;
    case RunObstacle::NoSounds:
      return ResultText(ProgrammingCode::NoSongsToProgram);
    case RunObstacle::NoMemory:
    case RunObstacle::NothingFits:
      return ResultText(ProgrammingCode::SongTooLarge);
    case RunObstacle::MissingFiles:
    case RunObstacle::NotSounds:
      break;
  }
  return {};
}

std::string NotSoundsText(const std::vector<std::string>& fileNames) {
  std::string text = "These files are not MP3 or WAV sounds: ";
  for (std::size_t at = 0; at < fileNames.size(); ++at) {
    text += (at > 0 ? ", " : "") + VisibleText(fileNames[at]);
  }
  return text;
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

std::string EmptyButtonsText(const std::vector<int>& buttons) {
  std::string text;
  for (std::size_t at = 0; at < buttons.size(); ++at) {
    if (at > 0) text += at + 1 == buttons.size() ? " and " : ", ";
    text += "Btn" + std::to_string(buttons[at]);
  }
  if (buttons.empty()) return text;
  return text + (buttons.size() == 1 ? " has" : " have") + " no sound on the unit";
}

std::string DifferenceText(int button, const std::string& fileName, std::int64_t byte) {
  return "Btn" + std::to_string(button) + " \u00b7 " + VisibleText(fileName) +
         " differs from its file at byte " + GroupedNumber(byte);
}

std::string UnreadableText(int button, const std::string& fileName, std::int64_t listedSize) {
  return "Btn" + std::to_string(button) + " \u00b7 " + VisibleText(fileName) +
         " could not be read: it is missing, unreadable, or no longer " +
         GroupedNumber(listedSize) + " bytes";
}

std::string DoesNotFitText(const SoundPacking& packing) {
  switch (packing.Stop) {
    case PackingStop::SoundLargerThanEveryMemory:
      return "Does not fit: each sound must fit into one memory of the unit (the largest holds " +
             GroupedNumber(packing.LargestCapacity) +
             " bytes); it and every sound after it are left out";
    case PackingStop::MemoriesFull:
      return "Does not fit: the unit's memories are full from here on";
    case PackingStop::AllPlaced:
      break;
  }
  return {};
}
