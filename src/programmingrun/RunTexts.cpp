#include "programmingrun/RunTexts.h"

#include <array>
#include <charconv>

#include "formatting/NumberFormat.h"
#include "profiles/VisibleText.h"
#include "translation/Translated.h"

std::string ResultText(ProgrammingCode code) {
  switch (code) {
    case ProgrammingCode::Succeeded:
      return "";
    case ProgrammingCode::NoSongsToProgram:
      return Translated("RunTexts", "No Songs To Program");
    case ProgrammingCode::SongTooLarge:
      return Translated("RunTexts", "Song Is Too Large");
    case ProgrammingCode::ProgrammerUnreachable:
      return Translated("RunTexts", "Make sure the unit is connected to a USB Port.");
    case ProgrammingCode::Stopped:
      return Translated("RunTexts",
                        "Stopped: the unit holds an incomplete profile. Program it again.");
    case ProgrammingCode::ProgrammerInUse:
      return Translated("RunTexts", ProgrammerHeldElsewhereText);
    default:
      return Filled(Translated("RunTexts", "ERROR %1."), {std::to_string(static_cast<int>(code))});
  }
}

std::string ObstacleText(RunObstacle obstacle) {
  switch (obstacle) {
    case RunObstacle::ProgrammerInUse:
      return Translated("RunTexts", ProgrammerHeldElsewhereText);
    case RunObstacle::NoProgrammer:
      return Translated("RunTexts", ProgrammerNotFoundText);
    case RunObstacle::NoUnit:
      return Translated("RunTexts", UnitMustBeConnectedText);
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
  std::string names;
  for (std::size_t at = 0; at < fileNames.size(); ++at) {
    names += (at > 0 ? ", " : "") + VisibleText(fileNames[at]);
  }
  return Filled(Translated("RunTexts", "These files are not MP3 or WAV sounds: %1"), {names});
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
  const std::string seconds = SecondsText(elapsedMilliseconds);
  if (notWrittenCount == 1) {
    return Filled(
        Translated("RunTexts", "Success! %1 seconds (1 sound did not fit and was not written)"),
        {seconds});
  }
  if (notWrittenCount > 1) {
    return Filled(
        Translated("RunTexts", "Success! %1 seconds (%2 sounds did not fit and were not written)"),
        {seconds, std::to_string(notWrittenCount)});
  }
  return Filled(Translated("RunTexts", "Success! %1 seconds"), {seconds});
}

std::string EmptyButtonsText(const std::vector<int>& buttons) {
  if (buttons.empty()) return {};
  const auto button = [&buttons](std::size_t at) { return "Btn" + std::to_string(buttons[at]); };
  if (buttons.size() == 1) {
    return Filled(Translated("RunTexts", "%1 has no sound on the unit"), {button(0)});
  }
  std::string first = button(0);
  for (std::size_t at = 1; at + 1 < buttons.size(); ++at) first += ", " + button(at);
  return Filled(Translated("RunTexts", "%1 and %2 have no sound on the unit"),
                {first, button(buttons.size() - 1)});
}

std::string DifferenceText(int button, const std::string& fileName, std::int64_t byte) {
  return Filled(Translated("RunTexts", "Btn%1 \u00b7 %2 differs from its file at byte %3"),
                {std::to_string(button), VisibleText(fileName), GroupedNumber(byte)});
}

std::string UnreadableText(int button, const std::string& fileName, std::int64_t listedSize) {
  return Filled(Translated("RunTexts",
                           "Btn%1 \u00b7 %2 could not be read: it is missing, unreadable, or no "
                           "longer %3 bytes"),
                {std::to_string(button), VisibleText(fileName), GroupedNumber(listedSize)});
}

std::string DoesNotFitText(const SoundPacking& packing) {
  switch (packing.Stop) {
    case PackingStop::SoundLargerThanEveryMemory:
      return Filled(Translated("RunTexts",
                               "Does not fit: each sound must fit into one memory of the unit "
                               "(the largest holds %1 bytes); it and every sound after it are "
                               "left out"),
                    {GroupedNumber(packing.LargestCapacity)});
    case PackingStop::MemoriesFull:
      return Translated("RunTexts", "Does not fit: the unit's memories are full from here on");
    case PackingStop::AllPlaced:
      break;
  }
  return {};
}
