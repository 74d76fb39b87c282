#include "editor/FitPlanText.h"

#include <cstdio>
#include <filesystem>

#include "profiles/VisibleText.h"
#include "formatting/NumberFormat.h"

namespace {

std::string NameOf(const std::string& path) {
  return VisibleText(std::filesystem::path(path).filename().string());
}

// Why the sound is among those changed, by the rule that leaves it out now.
std::string ReasonText(const SoundChange& change, const FitPlan& plan,
                       std::span<const ProfileSound> sounds) {
  switch (change.Reason) {
    case ChangeReason::LargerThanEveryMemory:
      return "it is larger than each of the unit's memories";
    case ChangeReason::LeftOut:
      return "it does not fit after the sounds before it";
    case ChangeReason::MakesRoom:
      break;
  }
  return "it fits as it is, and smaller it makes room for \"" +
         NameOf(sounds[plan.FirstLeftOut.value_or(0)].Path) + "\"";
}

// "song.mp3: 20.0 s of 180.0 s, mono, 64 kbit/s, 2,880,017 → 160,417 bytes
// (it does not fit after the sounds before it)"
std::string ChangeLine(const SoundChange& change, const FitPlan& plan,
                       std::span<const ProfileSound> sounds) {
  const ProfileSound& sound = sounds[change.Index];
  // A whole sound's edit ends exactly at its length.
  const double kept = change.Edit.EndSeconds - change.Edit.StartSeconds;
  const double whole = sound.Format.Seconds();
  const std::string length =
      kept < whole ? SecondsText(kept) + " of " + SecondsText(whole) : SecondsText(whole);
  return NameOf(change.SourcePath) + ": " + length + ", mono, " +
         std::to_string(change.Edit.Output.BitRateKbps) + " kbit/s, " +
         GroupedNumber(change.OldBytes) + " \u2192 " + GroupedNumber(change.NewBytes) + " bytes (" +
         ReasonText(change, plan, sounds) + ")";
}

std::string LeftAloneLine(std::size_t count) {
  if (count == 0) return {};
  return count == 1 ? "The other sound stays as it is.\n\n"
                    : "The other " + std::to_string(count) + " sounds stay as they are.\n\n";
}

}  // namespace

std::string FitPlanQuestion(const FitPlan& plan, std::span<const ProfileSound> sounds) {
  const bool one = plan.Changes.size() == 1;
  std::string text =
      one ? "To fit the unit, this sound gets a new file beside the original, which stays as it "
            "is:\n\n"
          : "To fit the unit, these sounds get new files beside the originals, which stay as "
            "they are:\n\n";
  for (const SoundChange& change : plan.Changes) text += ChangeLine(change, plan, sounds) + "\n";
  text += one ? "\nChanging this one sound is enough, and " + std::to_string(plan.BitRateKbps) +
                    " kbit/s is the highest bit rate at which it fits.\n"
              : "\nNo plan that changes fewer sounds fits, and " +
                    std::to_string(plan.BitRateKbps) +
                    " kbit/s is the highest bit rate at which these fit.\n";
  return text + "\n" + LeftAloneLine(sounds.size() - plan.Changes.size()) +
         (one ? "Write the new file and put it in the list?"
              : "Write the new files and put them in the lists?");
}

std::string CannotFitText(const FitPlan& plan, std::span<const ProfileSound> sounds) {
  const ProfileSound& cause = sounds[plan.Cause.value_or(0)];
  std::string text = "The profile cannot fit the unit, even with its sounds at " +
                     std::to_string(LowestMp3BitRate) + " kbit/s mono: \"" + NameOf(cause.Path) +
                     "\" does not fit";
  if (cause.Format.Frames <= 0) {
    return text + ", and it cannot be read as an MP3 or WAV sound to make it smaller.";
  }
  return text + ". Keep fewer seconds of each sound, or remove sounds.";
}

std::string SecondsText(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f s", seconds);
  return text;
}
