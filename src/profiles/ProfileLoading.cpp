// Loading a profile file into the open profile: the current format, the old
// plain-list format and its conversion, and the questions about missing sounds.
#include <algorithm>

#include "profiles/FileAccess.h"
#include "profiles/IniFile.h"
#include "profiles/MissingSound.h"
#include "profiles/OldListFile.h"
#include "profiles/ProfileFormat.h"
#include "profiles/ProfileName.h"
#include "profiles/ProfileStore.h"
#include "profiles/ProfileText.h"
#include "profiles/SoundLookup.h"

namespace {

// The stored sounds that are not where the file says, among those that
// loading takes: at most a full list per button.
int MissingSoundCount(const IniFile& file) {
  int missing = 0;
  for (int slot = 0; slot < StoredButtonCount(file); ++slot) {
    const int sounds = std::min(StoredSoundCount(file, slot), MaxSoundsPerButton);
    for (int index = 0; index < sounds; ++index) {
      missing += IsRegularFile(StoredSoundPath(file, slot, index)) ? 0 : 1;
    }
  }
  return missing;
}

int MissingSoundCount(const std::vector<std::string>& paths) {
  int missing = 0;
  for (std::size_t index = 0; index < paths.size() && index < MaxSoundsPerButton; ++index) {
    missing += IsRegularFile(paths[index]) ? 0 : 1;
  }
  return missing;
}

std::vector<std::string> OldListPathsOf(const std::string& bytes) {
  std::vector<std::string> paths = OldListPaths(bytes);
  for (std::string& path : paths) path = Utf8Line(path);
  return paths;
}

}  // namespace

bool ProfileStore::LoadProfile(const std::string& name, bool fromBackup) {
  if (!IsValidProfileName(name)) return false;
  ClearLists();
  Loading loading;
  const std::string path =
      folder_.ProfilePath(name, fromBackup ? ProfileFileKind::Backup : ProfileFileKind::Profile);
  const std::optional<std::string> bytes = ReadFileBytes(path, MaxProfileFileBytes);
  if (!bytes && StampOf(path)) {
    // There but unreadable: nothing may later be saved over it under its name.
    ShowCannotRead(name);
    return false;
  }
  const IniFile file = IniFile::Parse(ProfileTextOf(bytes.value_or("")));
  if (fromBackup) {
    // Only the backup is read, and nothing is written: saving now would
    // replace the very backup being retrieved.
    ReadCurrentFormat(file, loading);
    if (loading.Stopped) ShowLoadingStopped(MissingSoundCount(file), loading);
    profile_.Name = loading.Stopped ? "" : name;
    return !loading.Stopped;
  }
  // A file from Windows in UTF-16 is never an old list, whatever it holds.
  if (IsCurrentFormat(file) || (bytes && HasUtf16ByteOrderMark(*bytes))) {
    ReadCurrentFormat(file, loading);
    if (loading.Stopped) {
      // What was read is only part of the profile: nothing is offered for saving.
      ShowLoadingStopped(MissingSoundCount(file), loading);
      profile_.Name.clear();
      return false;
    }
    AskToSaveLoadedChanges(name, loading);
    ShowFoundInFolder(loading.Finder);
    profile_.Name = name;
    return true;
  }
  const std::vector<std::string> paths =
      bytes ? OldListPathsOf(*bytes) : std::vector<std::string>();
  ReadOldList(paths, loading);
  if (loading.Stopped) {
    // The old file stays as it was; the lists hold only part of it.
    ShowLoadingStopped(MissingSoundCount(paths), loading);
    profile_.Name.clear();
    return false;
  }
  AskToSaveLoadedChanges(name, loading);
  ConvertOldList(name, bytes.value_or(""), loading.LeftOut);
  if (loading.LeftOut == 0) ShowFoundInFolder(loading.Finder);
  profile_.Name = name;
  return true;
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
  for (std::size_t index = 0; index < paths.size() && !loading.Stopped; ++index) {
    if (IsFull(0)) {
      // Left out of the list, but kept in the backup of the conversion.
      loading.LeftOut = static_cast<int>(paths.size() - index);
      return;
    }
    TakeStoredSound(0, paths[index], loading);
  }
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

void ProfileStore::ConvertOldList(const std::string& name, const std::string& oldList,
                                  int leftOut) {
  // Afterwards the file and its backup both hold the profile in the current
  // format; when entries did not fit, the backup keeps the old list instead.
  if (!WriteProfile(name, NextFreeProfileNumber()) || !SaveProfile(name) || leftOut == 0) return;
  if (!ReplaceStoredFile(name, ProfileFileKind::Backup, oldList, false)) {
    ShowSaveError(name);
    return;
  }
  view_.ShowInfo(
      "Old list: " + std::to_string(leftOut) + " sounds left out, kept in " + name + ".BAK",
      InfoColour::Failure);
}

void ProfileStore::ShowCannotRead(const std::string& name) {
  profile_.Name.clear();
  Select(-1);
  prompts_.Ask(
      {"Profile " + name + " cannot be read.", "", PromptButtons::Ok, PromptIcon::Exclamation});
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
