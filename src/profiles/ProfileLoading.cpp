// Loading a profile file into the open profile: the current format, the old
// plain-list format and its conversion, and the questions about missing sounds.
#include <algorithm>

#include "profiles/FileAccess.h"
#include "profiles/IniFile.h"
#include "profiles/MissingSound.h"
#include "profiles/ProfileFormat.h"
#include "profiles/ProfileName.h"
#include "profiles/ProfileStore.h"
#include "profiles/ProfileText.h"
#include "profiles/SoundLookup.h"
#include "profiles/VisibleText.h"

namespace {

// The listed sounds that are not where the file says.
int MissingSoundCount(const ListedSounds& sounds) {
  int missing = 0;
  for (const std::vector<std::string>& paths : sounds.Paths) {
    for (const std::string& path : paths) missing += IsRegularFile(path) ? 0 : 1;
  }
  return missing;
}

// A profile without a file yet: an empty old list, converted on loading,
// with the two buttons of a fresh editor.
ListedSounds NewProfileSounds() {
  ListedSounds sounds;
  sounds.OldList = true;
  sounds.ButtonCount = 2;
  return sounds;
}

}  // namespace

bool ProfileStore::LoadProfile(const std::string& name, bool fromBackup) {
  if (!IsValidProfileName(name)) return false;
  ClearLists();
  Loading loading;
  const std::string path =
      folder_.ProfilePath(name, fromBackup ? ProfileFileKind::Backup : ProfileFileKind::Profile);
  const std::optional<std::string> bytes = ReadFileBytes(path, MaxProfileFileBytes);
  const bool exists = bytes || StampOf(path);
  const std::optional<ListedSounds> sounds = bytes ? SoundsListedIn(*bytes) : NewProfileSounds();
  // There but unreadable, or no profile at all: nothing may later be saved
  // over it under its name, and nothing of it is converted.
  if (!bytes && exists) {
    ShowCannotRead(name);
    return false;
  }
  if (!sounds) {
    ShowNotAProfile(path);
    return false;
  }
  ShowExactlyButtons(sounds->ButtonCount);
  ReadListedSounds(*sounds, loading);
  if (loading.Stopped) {
    // What was read is only part of the profile: nothing is offered for
    // saving, and an old file stays as it was.
    ShowLoadingStopped(MissingSoundCount(*sounds), loading);
    profile_.Name.clear();
    return false;
  }
  // Retrieving a backup writes nothing: saving now would replace the very
  // backup being retrieved.
  if (!fromBackup) {
    AskToSaveLoadedChanges(name, loading);
    if (sounds->OldList) ConvertOldList(name, bytes.value_or(""), sounds->LeftOut);
    if (!sounds->OldList || sounds->LeftOut == 0) ShowFoundInFolder(loading.Finder);
  }
  profile_.Name = name;
  return true;
}

void ProfileStore::ReadListedSounds(const ListedSounds& sounds, Loading& loading) {
  for (int slot = 0; slot < sounds.ButtonCount && !loading.Stopped; ++slot) {
    for (std::size_t index = 0; index < sounds.Paths[slot].size() && !loading.Stopped; ++index) {
      TakeStoredSound(slot, sounds.Paths[slot][index], loading);
    }
  }
  // What a full list of the current format cannot take is left out, which
  // the user is then offered to save; an old list keeps it in the backup of
  // its conversion.
  if (!sounds.OldList && sounds.LeftOut > 0) ++loading.Changes;
}

void ProfileStore::TakeStoredSound(int slot, const std::string& path, Loading& loading) {
  if (std::optional<SoundEntry> sound = FindStoredSound(path)) {
    AppendSound(slot, std::move(*sound));
    return;
  }
  if (std::optional<SoundEntry> sound = loading.Finder.FindInFoundFolders(StoredFileName(path))) {
    AppendSound(slot, std::move(*sound));
    ++loading.Changes;
    ++loading.FoundAgain;
    return;
  }
  switch (AskAboutMissingFile(prompts_, path, PromptIcon::Question)) {
    case PromptAnswer::Yes:
      if (std::optional<SoundEntry> moved = FindMovedSound(prompts_, soundDialogs_, path)) {
        loading.Finder.FoundByUser(*moved);
        AppendSound(slot, std::move(*moved));
        ++loading.Changes;
        ++loading.FoundAgain;
        return;
      }
      // A cancelled search stops as Cancel does: with no profile selected, a
      // plain Save cannot write the part that was read over the file.
      [[fallthrough]];
    default:
      Select(-1);
      loading.Stopped = true;
      return;
    case PromptAnswer::No:
      ++loading.Changes;
      return;
  }
}

void ProfileStore::AskToSaveLoadedChanges(const std::string& name, const Loading& loading) {
  if (loading.Changes == 0) return;
  if (prompts_.Ask({"The profile : " + name + " has been changed. " +
                        "Press YES to save the changes or NO to skip the changes.",
                    "Profile Has Changed", PromptButtons::YesNo}) == PromptAnswer::Yes) {
    SaveProfile(name);
  }
}

void ProfileStore::ConvertOldList(const std::string& name, const std::string& oldList,
                                  int leftOut) {
  // Afterwards the file and its backup both hold the profile in the current
  // format.
  if (leftOut == 0) {
    if (WriteProfile(name, NextFreeProfileNumber())) SaveProfile(name);
    return;
  }
  // When entries did not fit, the backup keeps the old list instead; it is
  // written there before the file is rewritten, so that the whole list is on
  // the disk at every moment.
  if (!ReplaceStoredFile(name, ProfileFileKind::Backup, oldList, false)) {
    ShowSaveError(name);
    return;
  }
  if (!WriteProfile(name, NextFreeProfileNumber())) return;
  view_.ShowInfo(
      "Old list: " + std::to_string(leftOut) + " sounds left out, kept in " + name + ".BAK",
      InfoColour::Failure);
}

void ProfileStore::ShowCannotRead(const std::string& name) {
  profile_.Name.clear();
  Select(-1);
  AskCannotRead(name);
}

void ProfileStore::ShowNotAProfile(const std::string& path) {
  profile_.Name.clear();
  Select(-1);
  AskNotAProfile(path);
}

void ProfileStore::AskCannotRead(const std::string& name) {
  prompts_.Ask(
      {"Profile " + name + " cannot be read.", "", PromptButtons::Ok, PromptIcon::Exclamation});
}

void ProfileStore::AskNotAProfile(const std::string& path) {
  prompts_.Ask({VisibleText(path) + " is not a profile file.", "", PromptButtons::Ok,
                PromptIcon::Exclamation});
}

void ProfileStore::ShowLoadingStopped(int missingSounds, const Loading& loading) {
  // The sounds found again are in the lists, though not where the file says.
  const int notFound = std::max(missingSounds - loading.FoundAgain, 0);
  view_.ShowInfo("Loading stopped: " + std::to_string(notFound) + " sounds not found",
                 InfoColour::Failure);
}

void ProfileStore::ShowFoundInFolder(const MissingSoundFinder& finder) {
  if (finder.FoundInLastFolder() == 0) return;
  view_.ShowInfo(
      std::to_string(finder.FoundInLastFolder()) + " sounds found in " + finder.LastFolder(),
      InfoColour::Ordinary);
}
