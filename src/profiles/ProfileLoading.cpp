// Loading a profile file into the open profile: the current format, the old
// plain-list format and its conversion, and the questions about missing sounds.
#include "profiles/FileAccess.h"
#include "profiles/IniFile.h"
#include "profiles/MissingSound.h"
#include "profiles/OldListFile.h"
#include "profiles/ProfileFormat.h"
#include "profiles/ProfileName.h"
#include "profiles/ProfileStore.h"
#include "profiles/SoundLookup.h"

void ProfileStore::LoadProfile(const std::string& name, bool fromBackup) {
  if (!IsValidProfileName(name)) return;
  ClearLists();
  Loading loading;
  if (fromBackup) {
    // Only the backup is read, and nothing is written: saving now would
    // replace the very backup being retrieved.
    const auto bytes =
        ReadFileBytes(folder_.ProfilePath(name, ProfileFileKind::Backup), MaxProfileFileBytes);
    ReadCurrentFormat(IniFile::Parse(bytes.value_or("")), loading);
    profile_.Name = loading.Stopped ? "" : name;
    return;
  }
  const std::string path = folder_.ProfilePath(name, ProfileFileKind::Profile);
  const std::optional<std::string> bytes = ReadFileBytes(path, MaxProfileFileBytes);
  if (!bytes && StampOf(path)) {
    // There but unreadable: converting it would replace it with an empty profile.
    profile_.Name.clear();
    return;
  }
  if (bytes) {
    const IniFile file = IniFile::Parse(*bytes);
    if (IsCurrentFormat(file)) {
      ReadCurrentFormat(file, loading);
      AskToSaveLoadedChanges(name, loading);
      profile_.Name = loading.Stopped ? "" : name;
      return;
    }
  }
  ReadOldList(bytes ? OldListPaths(*bytes) : std::vector<std::string>(), loading);
  if (loading.Stopped) {
    // The old file stays as it was; the lists hold only part of it.
    profile_.Name.clear();
    return;
  }
  AskToSaveLoadedChanges(name, loading);
  ConvertOldList(name);
  profile_.Name = name;
}

void ProfileStore::ReadCurrentFormat(const IniFile& file, Loading& loading) {
  const int buttons = StoredButtonCount(file);
  for (int slot = 0; slot < buttons && !loading.Stopped; ++slot) {
    const int sounds = StoredSoundCount(file, slot);
    MakePresent(slot);
    for (int index = 0; index < sounds && !loading.Stopped; ++index) {
      if (IsFull(slot)) {
        // The rest is left out, which the user is then offered to save.
        ++loading.Changes;
        break;
      }
      TakeStoredSound(slot, StoredSoundPath(file, slot, index), loading);
    }
  }
}

void ProfileStore::ReadOldList(const std::vector<std::string>& paths, Loading& loading) {
  MakePresent(0);
  for (const std::string& path : paths) {
    if (loading.Stopped) return;
    if (IsFull(0)) {
      ++loading.Changes;
      return;
    }
    TakeStoredSound(0, path, loading);
  }
}

void ProfileStore::TakeStoredSound(int slot, const std::string& path, Loading& loading) {
  if (std::optional<SoundEntry> sound = FindStoredSound(path)) {
    AppendSound(slot, std::move(*sound));
    return;
  }
  switch (AskAboutMissingFile(prompts_, path, PromptIcon::Question)) {
    case PromptAnswer::Yes:
      if (std::optional<SoundEntry> moved = FindMovedSound(prompts_, soundDialogs_, path)) {
        AppendSound(slot, std::move(*moved));
        ++loading.Changes;
      } else {
        loading.Stopped = true;
      }
      return;
    case PromptAnswer::No:
      ++loading.Changes;
      return;
    default:
      Select(-1);
      loading.Stopped = true;
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

void ProfileStore::ConvertOldList(const std::string& name) {
  // Afterwards the file and its backup both hold the profile in the current format.
  if (WriteProfile(name, NextFreeProfileNumber())) SaveProfile(name);
}
