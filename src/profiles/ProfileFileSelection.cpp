// Selecting the profile of a file that the user opened outside the editor,
// copied into the Profiles folder when it lies elsewhere.
#include <algorithm>

#include "profiles/FileAccess.h"
#include "profiles/IniFile.h"
#include "profiles/ProfileFormat.h"
#include "profiles/ProfileName.h"
#include "profiles/ProfileStore.h"
#include "profiles/ProfileText.h"
#include "profiles/VisibleText.h"
#include "translation/Translated.h"

Task<bool> ProfileStore::SelectProfileFile(std::string path) {
  const std::string name = ProfileNameOfFile(path);
  // Told in boxes: the editor may not be on screen yet.
  if (!IsValidProfileName(name)) {
    Tell(prompts_, {Translated("Profiles", "Invalid profile name"), "", PromptButtons::Ok,
                    PromptIcon::Exclamation});
    co_return false;
  }
  const std::optional<std::string> bytes = ReadFileBytes(path, MaxProfileFileBytes);
  if (!bytes) {
    loader_.TellCannotRead(name);
    co_return false;
  }
  if (!SoundsListedIn(*bytes)) {
    loader_.TellNotAProfile(path);
    co_return false;
  }
  // As when the selection changes, unsaved edits are offered for saving
  // first: saved, they become the backup of a profile that the file replaces.
  const bool mayLeave = co_await MayLeaveLists();
  if (!mayLeave) co_return false;
  const bool copied = co_await CopyIn(name, *bytes);
  if (!copied) co_return false;
  selection_.RefreshProfileList();
  selection_.Select(selection_.IndexOf(name));
  co_return true;
}

// The stored profile of the name takes the bytes; a file of the Profiles
// folder is that profile already. A different one is replaced only when the
// user says so, its content kept as its backup; when the user says no, it
// stays as it is and is the one opened.
Task<bool> ProfileStore::CopyIn(std::string name, std::string bytes) {
  const std::string stored = folder_.ProfilePath(name, ProfileFileKind::Profile);
  const bool exists = StampOf(stored).has_value();
  if (exists && ReadFileBytes(stored, MaxProfileFileBytes) == bytes) co_return true;
  if (exists) {
    const bool replace = co_await naming_.AskToReplace(name);
    if (!replace) co_return true;
  }
  if (!stored_.ReplaceStoredFile(name, ProfileFileKind::Profile, WithOwnNumber(name, bytes),
                                 exists)) {
    Tell(prompts_, {Filled(Translated("Profiles", "ERROR saving profile %1."), {name}), "",
                    PromptButtons::Ok, PromptIcon::Stop});
    co_return false;
  }
  co_return true;
}

// The file keeps its number unless another stored profile has it: it then
// takes the lowest free one, so that the number a unit holds names one
// profile. An old list has none yet: loading converts it and gives it one.
std::string ProfileStore::WithOwnNumber(const std::string& name, const std::string& bytes) {
  IniFile file = IniFile::Parse(ProfileTextOf(bytes));
  const int number = StoredProfileNumber(file);
  if (!IsCurrentFormat(file) || number < 0 || number > MaxProfileId) return bytes;
  std::vector<std::string> others = folder_.ProfileNames();
  std::erase_if(others, [&name](const std::string& other) { return SameProfileName(other, name); });
  const std::vector<int> taken = folder_.ReadProfileNumbers(others);
  if (std::find(taken.begin(), taken.end(), number) == taken.end()) return bytes;
  WriteStoredProfileNumber(file, stored_.NextFreeProfileNumber());
  return file.Text();
}
