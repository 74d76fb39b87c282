#include "programmingrun/RunTexts.h"


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
  return DecimalNumber(static_cast<double>(milliseconds) * 0.001);
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
  const auto button = [&buttons](std::size_t at) {
    return Filled(Translated("RunTexts", "Btn%1"), {std::to_string(buttons[at])});
  };
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

namespace {

// The first sound left out met a memory that already held as many sounds as
// a memory takes.
bool MemoriesFullByCount(const SoundPacking& packing) {
  return !packing.Memories.empty() &&
         packing.Memories.back().SongCount() >= MaxSongsPerMemory;
}

std::string FirstLeftOutText(const SoundPacking& packing) {
  if (packing.Stop == PackingStop::SoundLargerThanEveryMemory) {
    return Filled(Translated("RunTexts",
                             "Does not fit: each sound must fit into one memory of the unit (the "
                             "largest holds %1 bytes)."),
                  {GroupedNumber(packing.LargestCapacity)});
  }
  if (MemoriesFullByCount(packing)) {
    return Filled(Translated("RunTexts",
                             "Does not fit: each of the unit's memories holds at most %1 sounds, "
                             "and the sounds before it fill them."),
                  {std::to_string(MaxSongsPerMemory)});
  }
  return Translated("RunTexts",
                    "Does not fit: the sounds before it leave too little room in the unit's "
                    "memories.");
}

}  // namespace

std::string LeftOutText(const ProgrammingPlan& plan, std::size_t index) {
  const SoundPacking& packing = plan.Packing;
  if (packing.Stop == PackingStop::AllPlaced || index < packing.FittingCount ||
      index >= plan.Sounds.size()) {
    return {};
  }
  if (index == packing.FittingCount) return FirstLeftOutText(packing);
  const std::string first = VisibleText(plan.Sounds[packing.FittingCount].FileName);
  if (packing.Stop == PackingStop::SoundLargerThanEveryMemory) {
    return Filled(Translated("RunTexts",
                             "Left out: sounds go into the unit in their order, and one before it "
                             "fits in no memory (%1 was the first that did not fit)."),
                  {first});
  }
  return Filled(Translated("RunTexts",
                           "Left out: the sounds before it fill the unit's memories (%1 was the "
                           "first that did not fit)."),
                {first});
}
