#include "profiles/StoredProfileReading.h"

#include "profiles/FileAccess.h"
#include "profiles/ProfileFormat.h"
#include "profiles/ProfileName.h"
#include "profiles/SoundLookup.h"

StoredProfileReading ReadStoredProfile(ProfileFolder& folder, const std::string& name) {
  StoredProfileReading reading;
  if (!IsValidProfileName(name)) return reading;
  const std::string path = folder.ProfilePath(name, ProfileFileKind::Profile);
  const std::optional<std::string> bytes = ReadFileBytes(path, MaxProfileFileBytes);
  if (!bytes) {
    if (StampOf(path)) reading.Outcome = ProfileReadingOutcome::Unreadable;
    return reading;
  }
  const std::optional<ListedSounds> sounds = SoundsListedIn(*bytes);
  if (!sounds) {
    reading.Outcome = ProfileReadingOutcome::NotAProfile;
    return reading;
  }
  reading.Outcome = ProfileReadingOutcome::Read;
  reading.OldFormat = sounds->OldList;
  reading.LeftOut = sounds->LeftOut;
  reading.Number = folder.ReadProfileNumber(name);
  for (int slot = 0; slot < sounds->ButtonCount; ++slot) {
    reading.Profile.Buttons[slot].Present = true;
    for (const std::string& stored : sounds->Paths[slot]) {
      std::optional<SoundEntry> sound = FindStoredSound(stored);
      if (!sound) {
        reading.MissingSounds.push_back(stored);
        const std::string fileName = StoredFileName(stored);
        sound = SoundEntry{fileName, "0", stored.substr(0, stored.size() - fileName.size())};
      }
      reading.Profile.Buttons[slot].Sounds.push_back(std::move(*sound));
    }
  }
  return reading;
}
