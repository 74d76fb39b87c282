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

bool ProfileStore::SelectProfileFile(const std::string& path) {
  const std::string name = ProfileNameOfFile(path);
  // Told in boxes: the editor may not be on screen yet.
  if (!IsValidProfileName(name)) {
    prompts_.Ask({"Invalid profile name", "", PromptButtons::Ok, PromptIcon::Exclamation});
    return false;
  }
  const std::optional<std::string> bytes = ReadFileBytes(path, MaxProfileFileBytes);
  if (!bytes) {
    AskCannotRead(name);
    return false;
  }
  if (!SoundsListedIn(*bytes)) {
    AskNotAProfile(path);
    return false;
  }
  // As when the selection changes, unsaved edits are offered for saving
  // first: saved, they become the backup of a profile that the file replaces.
  if (state_.Changed && !AskSaveChangedProfile()) return false;
  if (!CopyIn(name, *bytes)) return false;
  RefreshProfileList();
  Select(IndexOf(name));
  return true;
}

// The stored profile of the name takes the bytes; a file of the Profiles
// folder is that profile already. A different one is replaced only when the
// user says so, its content kept as its backup; when the user says no, it
// stays as it is and is the one opened.
bool ProfileStore::CopyIn(const std::string& name, const std::string& bytes) {
  const std::string stored = folder_.ProfilePath(name, ProfileFileKind::Profile);
  const bool exists = StampOf(stored).has_value();
  if (exists && ReadFileBytes(stored, MaxProfileFileBytes) == bytes) return true;
  if (exists && !AskToReplace(name)) return true;
  if (!ReplaceStoredFile(name, ProfileFileKind::Profile, WithOwnNumber(name, bytes), exists)) {
    prompts_.Ask({"ERROR saving profile " + name + ".", "", PromptButtons::Ok, PromptIcon::Stop});
    return false;
  }
  return true;
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
  WriteStoredProfileNumber(file, NextFreeProfileNumber());
  return file.Text();
}
