#include "commandline/ProfileListing.h"

#include <QJsonArray>
#include <algorithm>
#include <iomanip>

#include "commandline/TerminalColumns.h"
#include "profiles/VisibleText.h"
#include "translation/Translated.h"

namespace {

std::string NumberText(int number) {
  return number == NoProfileId ? Translated("CommandLine", "none") : std::to_string(number);
}

std::string Notes(const ProfileSummary& profile) {
  if (profile.NotAProfile) return " (" + Translated("CommandLine", "not a profile") + ")";
  if (!profile.Readable) return " (" + Translated("CommandLine", "cannot be read") + ")";
  std::string notes;
  if (profile.OldFormat) notes += Translated("CommandLine", "old format");
  if (profile.MissingSounds > 0) {
    if (!notes.empty()) notes += ", ";
    notes += Filled(profile.MissingSounds == 1 ? Translated("CommandLine", "%1 sound missing")
                                               : Translated("CommandLine", "%1 sounds missing"),
                    {std::to_string(profile.MissingSounds)});
  }
  return notes.empty() ? notes : " (" + notes + ")";
}

}  // namespace

ProfileSummary SummaryOf(const std::string& name, const StoredProfileReading& reading,
                         bool onUnit) {
  ProfileSummary summary{name};
  summary.OnUnit = onUnit;
  summary.Readable = reading.Outcome == ProfileReadingOutcome::Read;
  summary.NotAProfile = reading.Outcome == ProfileReadingOutcome::NotAProfile;
  if (!summary.Readable) return summary;
  summary.OldFormat = reading.OldFormat;
  summary.Number = reading.Number;
  summary.Buttons = reading.Profile.PresentButtonCount();
  summary.MissingSounds = static_cast<int>(reading.MissingSounds.size());
  summary.Sounds = reading.Profile.SoundCount() + reading.LeftOut;
  for (const ButtonSlot& button : reading.Profile.Buttons) {
    for (const SoundEntry& sound : button.Sounds) summary.Bytes += sound.Size();
  }
  return summary;
}

ProfileSummary NoProfileSummary(const std::string& name) {
  ProfileSummary summary{name};
  summary.Readable = false;
  summary.NotAProfile = true;
  return summary;
}

void SortByName(std::vector<ProfileSummary>& profiles) {
  std::stable_sort(profiles.begin(), profiles.end(),
                   [](const ProfileSummary& a, const ProfileSummary& b) {
                     return QString::fromStdString(a.Name).compare(QString::fromStdString(b.Name),
                                                                   Qt::CaseInsensitive) < 0;
                   });
}

void PrintProfileList(std::ostream& out, const std::vector<ProfileSummary>& profiles,
                      const std::string& folder) {
  if (profiles.empty()) {
    out << Filled(Translated("CommandLine", "No profiles in %1"), {VisibleText(folder)}) << "\n";
    return;
  }
  bool marked = false;
  // The headings stand right-aligned above their columns, whatever their language.
  out << RightAligned(Translated("CommandLine", "Number"), 8)
      << RightAligned(Translated("CommandLine", "Sounds"), 8)
      << RightAligned(Translated("CommandLine", "Bytes"), 13) << "  "
      << Translated("CommandLine", "Name") << "\n";
  for (const ProfileSummary& profile : profiles) {
    out << (profile.OnUnit ? '*' : ' ') << std::setw(7)
        << (profile.Readable ? NumberText(profile.Number) : "-") << std::setw(8)
        << (profile.Readable ? std::to_string(profile.Sounds) : "-") << std::setw(13)
        << (profile.Readable ? std::to_string(profile.Bytes) : "-") << "  "
        << VisibleText(profile.Name) << Notes(profile) << "\n";
    marked = marked || profile.OnUnit;
  }
  if (marked) out << "* " << Translated("CommandLine", "Profile On Vantora") << "\n";
}

void AddProfileList(QJsonObject& json, const std::vector<ProfileSummary>& profiles) {
  QJsonArray list;
  for (const ProfileSummary& profile : profiles) {
    QJsonObject entry{{QStringLiteral("name"), QString::fromStdString(profile.Name)},
                      {QStringLiteral("readable"), profile.Readable},
                      {QStringLiteral("onUnit"), profile.OnUnit}};
    if (profile.Readable) {
      entry[QStringLiteral("number")] =
          profile.Number == NoProfileId ? QJsonValue() : QJsonValue(profile.Number);
      entry[QStringLiteral("format")] = profile.OldFormat ? "old" : "current";
      entry[QStringLiteral("buttons")] = profile.Buttons;
      entry[QStringLiteral("sounds")] = profile.Sounds;
      entry[QStringLiteral("missingSounds")] = profile.MissingSounds;
      entry[QStringLiteral("bytes")] = static_cast<qint64>(profile.Bytes);
    }
    list.append(entry);
  }
  json[QStringLiteral("profiles")] = list;
}
