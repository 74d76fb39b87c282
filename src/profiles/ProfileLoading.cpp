// Loading a profile file into the open profile: the current format, the old
// plain-list format and its conversion, and the questions about missing sounds.
#include <algorithm>

#include "profiles/FileAccess.h"
#include "profiles/IniFile.h"
#include "profiles/MissingSound.h"
#include "profiles/ProfileFormat.h"
#include "profiles/ProfileLoader.h"
#include "profiles/ProfileName.h"
#include "profiles/SaveChangesQuestion.h"
#include "profiles/ProfileText.h"
#include "profiles/SoundLookup.h"
#include "profiles/VisibleText.h"
#include "translation/Translated.h"

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

ProfileLoader::ProfileLoader(ProfileFolder& folder, ProfileDocument& document, UserPrompts& prompts,
                             EditorView& view, SoundDialogs& soundDialogs,
                             ProfileSelection& selection, StoredProfiles& stored)
    : folder_(folder),
      document_(document),
      prompts_(prompts),
      view_(view),
      soundDialogs_(soundDialogs),
      selection_(selection),
      stored_(stored) {}

Task<bool> ProfileLoader::LoadProfile(std::string name, bool fromBackup) {
  if (!IsValidProfileName(name)) co_return false;
  const std::string path =
      folder_.ProfilePath(name, fromBackup ? ProfileFileKind::Backup : ProfileFileKind::Profile);
  const std::optional<std::string> bytes = ReadFileBytes(path, MaxProfileFileBytes);
  const bool exists = bytes || StampOf(path);
  const std::optional<ListedSounds> sounds = bytes ? SoundsListedIn(*bytes) : NewProfileSounds();
  // There but unreadable, or no profile at all: nothing may later be saved
  // over it under its name, and nothing of it is converted.
  if (!bytes && exists) {
    ShowCannotRead(name);
    co_return false;
  }
  if (!sounds) {
    ShowNotAProfile(path);
    co_return false;
  }
  // The open lists stay on screen, and stay the open profile, until the file
  // has been read to its end: stopping half-way changes nothing.
  Loading loading;
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    loading.Lists.Buttons[slot].Present = slot < sounds->ButtonCount;
  }
  co_await ReadListedSounds(*sounds, loading);
  if (loading.Stopped) {
    ShowLoadingStopped(MissingSoundCount(*sounds), loading);
    KeepOpenProfile();
    co_return false;
  }
  // Retrieving a backup writes nothing: saving now would replace the very
  // backup being retrieved.
  const bool changesToSave = !fromBackup && loading.Changes > 0;
  PromptAnswer save = PromptAnswer::No;
  if (changesToSave) save = co_await Asked(prompts_, SaveChangesQuestion(name));
  if (save == PromptAnswer::Cancel) {
    KeepOpenProfile();
    co_return false;
  }
  // The open profile read again from its file, which holds its lists (the
  // start page's NEXT shows the editor so): no other profile, and the
  // history of its edits stays.
  if (!fromBackup && !sounds->OldList && loading.Changes == 0 && name == document_.Name() &&
      !document_.Changed() && document_.Holds(loading.Lists)) {
    co_return true;
  }
  document_.Replace(std::move(loading.Lists), name, true);
  if (save == PromptAnswer::Yes) stored_.SaveProfile(name);
  if (fromBackup) co_return true;
  if (sounds->OldList) {
    ConvertOldList(name, bytes.value_or(""), sounds->LeftOut);
  } else if (changesToSave && save == PromptAnswer::No) {
    // Found elsewhere or dropped: the lists are not what the file holds.
    document_.MarkUnsaved();
  }
  if (!sounds->OldList || sounds->LeftOut == 0) ShowFoundInFolder(loading.Finder);
  co_return true;
}

Task<> ProfileLoader::ReadListedSounds(const ListedSounds& sounds, Loading& loading) {
  for (int slot = 0; slot < sounds.ButtonCount && !loading.Stopped; ++slot) {
    for (std::size_t index = 0; index < sounds.Paths[slot].size() && !loading.Stopped; ++index) {
      co_await TakeStoredSound(slot, sounds.Paths[slot][index], loading);
    }
  }
  // What a full list of the current format cannot take is left out, which
  // the user is then offered to save; an old list keeps it in the backup of
  // its conversion.
  if (!sounds.OldList && sounds.LeftOut > 0) ++loading.Changes;
}

Task<> ProfileLoader::TakeStoredSound(int slot, std::string path, Loading& loading) {
  std::vector<SoundEntry>& list = loading.Lists.Buttons[slot].Sounds;
  if (std::optional<SoundEntry> sound = FindStoredSound(path)) {
    list.push_back(std::move(*sound));
    co_return;
  }
  if (std::optional<SoundEntry> sound = loading.Finder.FindInFoundFolders(StoredFileName(path))) {
    list.push_back(std::move(*sound));
    ++loading.Changes;
    ++loading.FoundAgain;
    co_return;
  }
  const PromptAnswer answer = co_await AskAboutMissingFile(prompts_, path, PromptIcon::Question,
                                                           Translated("Profiles", "Stop Loading"));
  std::optional<SoundEntry> moved;
  if (answer == PromptAnswer::Yes) moved = co_await FindMovedSound(prompts_, soundDialogs_, path);
  switch (answer) {
    case PromptAnswer::Yes:
      if (moved) {
        loading.Finder.FoundByUser(*moved);
        list.push_back(std::move(*moved));
        ++loading.Changes;
        ++loading.FoundAgain;
        co_return;
      }
      // A cancelled search stops the loading, as Stop Loading does.
      [[fallthrough]];
    default:
      loading.Stopped = true;
      co_return;
    case PromptAnswer::No:
      ++loading.Changes;
      co_return;
  }
}

void ProfileLoader::ConvertOldList(const std::string& name, const std::string& oldList,
                                   int leftOut) {
  // Afterwards the file and its backup both hold the profile in the current
  // format.
  if (leftOut == 0) {
    if (stored_.WriteProfile(name, stored_.NextFreeProfileNumber())) stored_.SaveProfile(name);
    return;
  }
  // When entries did not fit, the backup keeps the old list instead; it is
  // written there before the file is rewritten, so that the whole list is on
  // the disk at every moment.
  if (!stored_.ReplaceStoredFile(name, ProfileFileKind::Backup, oldList, false)) {
    stored_.ShowSaveError(name);
    return;
  }
  if (!stored_.WriteProfile(name, stored_.NextFreeProfileNumber())) return;
  view_.ShowInfo(Filled(Translated("Profiles", "Old list: %1 sounds left out, kept in %2.BAK"),
                        {std::to_string(leftOut), name}),
                 InfoColour::Failure);
}

void ProfileLoader::ShowCannotRead(const std::string& name) {
  ClearLists();
  selection_.Select(-1);
  TellCannotRead(name);
}

void ProfileLoader::TellCannotRead(const std::string& name) {
  Tell(prompts_, {Filled(Translated("Profiles", "Profile %1 cannot be read."), {name}), "",
                  PromptButtons::Ok, PromptIcon::Exclamation});
}

void ProfileLoader::ShowNotAProfile(const std::string& path) {
  ClearLists();
  selection_.Select(-1);
  TellNotAProfile(path);
}

void ProfileLoader::TellNotAProfile(const std::string& path) {
  Tell(prompts_, {Filled(Translated("Profiles", "%1 is not a profile file."), {VisibleText(path)}),
                  "", PromptButtons::Ok, PromptIcon::Exclamation});
}

void ProfileLoader::ShowLoadingStopped(int missingSounds, const Loading& loading) {
  // The sounds found again are in the lists, though not where the file says.
  const int notFound = std::max(missingSounds - loading.FoundAgain, 0);
  view_.ShowInfo(Filled(Translated("Profiles", "Loading stopped: %1 sounds not found"),
                        {std::to_string(notFound)}),
                 InfoColour::Failure);
}

void ProfileLoader::ShowFoundInFolder(const MissingSoundFinder& finder) {
  if (finder.FoundInLastFolder() == 0) return;
  view_.ShowInfo(Filled(Translated("Profiles", "%1 sounds found in %2"),
                        {std::to_string(finder.FoundInLastFolder()), finder.LastFolder()}),
                 InfoColour::Ordinary);
}

void ProfileLoader::KeepOpenProfile() {
  selection_.Select(selection_.IndexOf(document_.Name()));
}

void ProfileLoader::ClearLists() {
  SongProfile empty;
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    empty.Buttons[slot].Present = document_.Lists().Buttons[slot].Present;
  }
  document_.Replace(std::move(empty), "", true);
}
