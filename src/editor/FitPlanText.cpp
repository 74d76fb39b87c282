#include "editor/FitPlanText.h"

#include <QCoreApplication>
#include <QString>
#include <filesystem>

#include "formatting/NumberFormat.h"
#include "profiles/VisibleText.h"

namespace {

QString ShownName(const std::string& path) {
  return QString::fromStdString(VisibleText(std::filesystem::path(path).filename().string()));
}

QString ShownNumber(std::int64_t number) {
  return QString::fromStdString(GroupedNumber(number));
}

QString ShownSeconds(double seconds) {
  return QString::fromStdString(SecondsText(seconds));
}

// The first sound that does not fit as the profile stands fits in no memory.
bool FirstLeftOutFitsNowhere(const FitPlan& plan) {
  for (const SoundChange& change : plan.Changes) {
    if (change.Index == plan.FirstLeftOut) {
      return change.Reason == ChangeReason::LargerThanEveryMemory;
    }
  }
  return false;
}

// A sound after the first that does not fit: it is left out because sounds
// are never skipped, whatever its size.
QString AfterFirstLeftOutText(const FitPlan& plan, std::span<const ProfileSound> sounds) {
  const QString first = ShownName(sounds[plan.FirstLeftOut.value_or(0)].Path);
  if (FirstLeftOutFitsNowhere(plan)) {
    return QCoreApplication::translate("FitPlanText",
                                       "it is left out: sounds go into the unit in their order, "
                                       "and \"%1\" before it fits in no memory")
        .arg(first);
  }
  return QCoreApplication::translate("FitPlanText",
                                     "it is left out: the sounds before it fill the unit's "
                                     "memories (\"%1\" was the first that did not fit)")
      .arg(first);
}

// Why the sound is among those changed, by the rule that leaves it out now.
QString ReasonText(const SoundChange& change, const FitPlan& plan,
                   std::span<const ProfileSound> sounds) {
  switch (change.Reason) {
    case ChangeReason::LargerThanEveryMemory:
      return QCoreApplication::translate("FitPlanText",
                                         "it is larger than each of the unit's memories");
    case ChangeReason::LeftOut:
      if (change.Index != plan.FirstLeftOut) return AfterFirstLeftOutText(plan, sounds);
      return QCoreApplication::translate("FitPlanText",
                                         "it does not fit: the sounds before it leave too little "
                                         "room in the unit's memories");
    case ChangeReason::MakesRoom:
      break;
  }
  return QCoreApplication::translate("FitPlanText",
                                     "it fits as it is, and smaller it makes room for \"%1\"")
      .arg(ShownName(sounds[plan.FirstLeftOut.value_or(0)].Path));
}

// "song.mp3: 20.0 s of 180.0 s, mono, 64 kbit/s, 2,880,017 → 160,417 bytes
// (it does not fit: the sounds before it leave too little room in the unit's
// memories)"
QString ChangeLine(const SoundChange& change, const FitPlan& plan,
                   std::span<const ProfileSound> sounds) {
  const ProfileSound& sound = sounds[change.Index];
  // A whole sound's edit ends exactly at its length.
  const double kept = change.Edit.EndSeconds - change.Edit.StartSeconds;
  const double whole = sound.Format.Seconds();
  const QString length = kept < whole ? QCoreApplication::translate("FitPlanText", "%1 of %2")
                                            .arg(ShownSeconds(kept), ShownSeconds(whole))
                                      : ShownSeconds(whole);
  return QCoreApplication::translate("FitPlanText",
                                     "%1: %2, mono, %3 kbit/s, %4 \u2192 %5 bytes (%6)")
      .arg(ShownName(change.SourcePath), length, QString::number(change.Edit.Output.BitRateKbps),
           ShownNumber(change.OldBytes), ShownNumber(change.NewBytes),
           ReasonText(change, plan, sounds));
}

QString LeftAloneLine(std::size_t count) {
  if (count == 0) return {};
  return count == 1
             ? QCoreApplication::translate("FitPlanText", "The other sound stays as it is.\n\n")
             : QCoreApplication::translate("FitPlanText",
                                           "The other %1 sounds stay as they are.\n\n")
                   .arg(count);
}

}  // namespace

std::string FitPlanQuestion(const FitPlan& plan, std::span<const ProfileSound> sounds) {
  const bool one = plan.Changes.size() == 1;
  QString text =
      one ? QCoreApplication::translate("FitPlanText",
                                        "To fit the unit, this sound gets a new file beside the "
                                        "original, which stays as it is:\n\n")
          : QCoreApplication::translate("FitPlanText",
                                        "To fit the unit, these sounds get new files beside the "
                                        "originals, which stay as they are:\n\n");
  for (const SoundChange& change : plan.Changes) {
    text += ChangeLine(change, plan, sounds) + QLatin1Char('\n');
  }
  text += one ? QCoreApplication::translate(
                    "FitPlanText",
                    "\nChanging this one sound is enough, and %1 kbit/s is the highest bit "
                    "rate at which it fits.\n")
                    .arg(plan.BitRateKbps)
              : QCoreApplication::translate(
                    "FitPlanText",
                    "\nNo plan that changes fewer sounds fits, and %1 kbit/s is the "
                    "highest bit rate at which these fit.\n")
                    .arg(plan.BitRateKbps);
  text += QLatin1Char('\n') + LeftAloneLine(sounds.size() - plan.Changes.size()) +
          (one ? QCoreApplication::translate("FitPlanText",
                                             "Write the new file and put it in the list?")
               : QCoreApplication::translate("FitPlanText",
                                             "Write the new files and put them in the lists?"));
  return text.toStdString();
}

std::string CannotFitText(const FitPlan& plan, std::span<const ProfileSound> sounds) {
  const ProfileSound& cause = sounds[plan.Cause.value_or(0)];
  const QString name = ShownName(cause.Path);
  if (cause.Format.Frames <= 0) {
    return QCoreApplication::translate(
               "FitPlanText",
               "The profile cannot fit the unit, even with its sounds at %1 kbit/s mono: "
               "\"%2\" does not fit, and it cannot be read as an MP3 or WAV sound to make "
               "it smaller.")
        .arg(QString::number(LowestMp3BitRate), name)
        .toStdString();
  }
  return QCoreApplication::translate(
             "FitPlanText",
             "The profile cannot fit the unit, even with its sounds at %1 kbit/s mono: "
             "\"%2\" does not fit. Keep fewer seconds of each sound, or remove sounds.")
      .arg(QString::number(LowestMp3BitRate), name)
      .toStdString();
}

std::string SecondsText(double seconds) { return FixedDecimalNumber(seconds, 1) + " s"; }
