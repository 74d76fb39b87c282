// The commands of the editor's "Profiles" menu.
#include "profiles/FileAccess.h"
#include "profiles/ProfileName.h"
#include "profiles/ProfileStore.h"

void ProfileStore::New() {
  view_.ShowInfo("", InfoColour::Kept);
  // As when the selection changes, unsaved edits are offered for saving first.
  if (state_.Changed && !AskSaveChangedProfile()) return;
  // The name comes first: a refused or cancelled name leaves the lists and
  // the open profile as they were, so that no later save writes empty lists
  // over them.
  // New never replaces a profile with empty lists: an existing name is refused.
  const NewProfileName asked = AskNewProfileName(false);
  ShowNameRefusal(asked);
  if (asked.Result != ProfileCreation::Created) return;
  const SongProfile kept = profile_;
  ClearLists();
  view_.RefreshCapacity();
  SetChanged(false);
  if (WriteNewProfile(asked) != ProfileCreation::Created) {
    RestoreLists(kept);
    return;
  }
  view_.ShowInfo("Profile created", InfoColour::Kept);
}

void ProfileStore::Open() {
  const std::vector<std::string> chosen = prompts_.ChooseFiles(
      {"Load Profile", folder_.Path(), "", {{"Profiles (*.qvt)", "*.QVT"}}, false});
  if (chosen.empty()) return;
  view_.ShowInfo("", InfoColour::Kept);
  // The profile of the chosen file's name is loaded from the Profiles folder,
  // whichever folder the chosen file was in.
  const std::string name = ProfileNameOfFile(chosen.front());
  if (!IsValidProfileName(name)) {
    view_.ShowInfo("Invalid profile name", InfoColour::Ordinary);
    return;
  }
  // As when the selection changes, unsaved edits are offered for saving first.
  if (state_.Changed && !AskSaveChangedProfile()) return;
  // Selected before loading, so that a file that cannot be read leaves no
  // name selected that a later Save could write the empty lists over.
  if (IndexOf(name) < 0) AddToList(name);
  Select(IndexOf(name));
  LoadProfile(name, false);
  view_.RefreshCapacity();
}

bool ProfileStore::Save() {
  const std::string name = CurrentProfileName();
  if (!name.empty()) {
    if (!SaveProfile(name)) return false;
    SetChanged(false);
    return true;
  }
  view_.ShowInfo("", InfoColour::Kept);
  const ProfileCreation created = CreateProfile();
  return created == ProfileCreation::Replaced ||
         (created == ProfileCreation::Created && SaveProfile(CurrentProfileName()));
}

void ProfileStore::SaveAs() {
  view_.ShowInfo("", InfoColour::Kept);
  // A new profile's backup then holds the same content as its file; a
  // replaced one's backup keeps what it held before.
  if (CreateProfile() == ProfileCreation::Created) SaveProfile(CurrentProfileName());
}

void ProfileStore::RetrieveBackup() {
  view_.ShowInfo("", InfoColour::Kept);
  // The backup takes the lists' place as any other profile would.
  if (state_.Changed && !AskSaveChangedProfile()) return;
  const bool retrieved = LoadProfile(CurrentProfileName(), true);
  view_.RefreshCapacity();
  // The profile file itself stays as it is until the user saves; a backup
  // read only in part is not offered for saving.
  if (retrieved) SetChanged(true);
}

void ProfileStore::Delete() {
  if (selected_ < 0) return;
  const int position = selected_;
  const std::string name = CurrentProfileName();
  if (prompts_.Ask({"Do you want to permanently delete the profile named " + name + "?",
                    "Delete Profile", PromptButtons::OkCancel}) != PromptAnswer::Ok) {
    view_.ShowInfo("Deletion canceled.", InfoColour::Ordinary);
    return;
  }
  const std::string backup = folder_.ProfilePath(name, ProfileFileKind::Backup);
  if (!files_.RemoveFile(folder_.ProfilePath(name, ProfileFileKind::Profile))) {
    view_.ShowInfo("ERROR deleting profile " + name + ".", InfoColour::Ordinary);
    return;
  }
  files_.RemoveFile(backup);
  folder_.Forget(name);
  // Unsaved edits of the deleted profile go with it; they belong to no neighbour.
  if (SameProfileName(profile_.Name, name)) {
    profile_.Name.clear();
    SetChanged(false);
  }
  RemoveFromList(position);
  if (!profileList_.empty()) {
    Select(position > 0 ? position - 1 : 0);
    SelectionChanged();
  } else {
    Select(-1);
    ClearLists();
    view_.RefreshCapacity();
  }
  view_.ShowInfo("Profile " + name + " deleted.", InfoColour::Ordinary);
}
