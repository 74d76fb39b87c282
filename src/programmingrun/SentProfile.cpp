#include "programmingrun/SentProfile.h"

#include <QCryptographicHash>
#include <QSettings>

#include "profiles/ProfileName.h"
#include "translation/Translated.h"

namespace {

const QString NameKey = QStringLiteral("LastRun/Profile");
const QString NumberKey = QStringLiteral("LastRun/Number");
const QString ListsKey = QStringLiteral("LastRun/Lists");
const QString SavedKey = QStringLiteral("LastRun/Saved");

}  // namespace

std::string ListsFingerprint(const SongProfile& lists) {
  QCryptographicHash hash(QCryptographicHash::Sha1);
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    const ButtonSlot& button = lists.Buttons[slot];
    if (!button.Present) continue;
    for (const SoundEntry& sound : button.Sounds) {
      const std::string row =
          std::to_string(slot) + '\t' + sound.FullPath() + '\t' + sound.SizeText + '\n';
      hash.addData(QByteArrayView(row.data(), static_cast<qsizetype>(row.size())));
    }
  }
  return hash.result().toHex().toStdString();
}

SentProfile::SentProfile(QSettings& settings) : settings_(settings) {}

void SentProfile::NoteRun(const std::string& name, int number, const SongProfile& lists,
                          bool saved) {
  settings_.setValue(NameKey, QString::fromStdString(name));
  settings_.setValue(NumberKey, number);
  settings_.setValue(ListsKey, QString::fromStdString(ListsFingerprint(lists)));
  settings_.setValue(SavedKey, saved);
}

void SentProfile::NoteStored(const std::string& name, const SongProfile& lists) {
  // Asked at every save and load: the settings are written only when the
  // unsaved lists on the unit have found their file.
  if (settings_.value(SavedKey, true).toBool()) return;
  if (!SameProfileName(settings_.value(NameKey).toString().toStdString(), name)) return;
  if (settings_.value(ListsKey).toString().toStdString() != ListsFingerprint(lists)) return;
  settings_.setValue(SavedKey, true);
}

std::string SentProfile::NameOnUnit(int numberOnUnit, const std::string& storedName) const {
  const bool unsavedOnUnit = !settings_.value(SavedKey, true).toBool() &&
                             settings_.value(NumberKey, -1).toInt() == numberOnUnit &&
                             numberOnUnit >= 0;
  if (!unsavedOnUnit) return storedName;
  return Filled(Translated("RunTexts", "%1 (not saved)"),
                {settings_.value(NameKey).toString().toStdString()});
}
