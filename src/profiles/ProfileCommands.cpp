// The commands of the editor's "Profiles" menu.
#include "profiles/FileAccess.h"
#include "profiles/ProfileName.h"
#include "profiles/ProfileStore.h"
#include "translation/Translated.h"

Task<> ProfileStore::New() {
  view_.ShowInfo("", InfoColour::Kept);
  // As when the selection changes, unsaved edits are offered for saving first.
  const bool mayLeave = co_await MayLeaveLists();
  if (!mayLeave) co_return;
  // The name comes first: a refused or cancelled name leaves the lists and
  // the open profile as they were, so that no later save writes empty lists
  // over them. New never replaces a profile with empty lists: an existing
  // name is refused.
  const NewProfileName asked = co_await naming_.AskNewProfileName(false);
  naming_.ShowNameRefusal(asked);
  if (asked.Result != ProfileCreation::Created) co_return;
  // The new profile has the present buttons of the lists on screen, empty.
  SongProfile fresh;
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    fresh.Buttons[slot].Present = document_.Lists().Buttons[slot].Present;
  }
  if (!stored_.WriteProfileLists(asked.Name, asked.Number, fresh)) co_return;
  selection_.AddToList(asked.Name);
  selection_.Select(static_cast<int>(selection_.ProfileList().size()) - 1);
  co_await LoadSelectedProfile();
  view_.ShowInfo(Translated("Profiles", "Profile created"), InfoColour::Kept);
}

Task<> ProfileStore::Open() {
  FileDialog dialog{Translated("Profiles", "Load Profile"),
                    folder_.Path(),
                    "",
                    {{Translated("Profiles", "Profiles (*.qvt)"), "*.QVT"}},
                    false};
  const std::vector<std::string> chosen = co_await Chosen(prompts_, std::move(dialog));
  if (chosen.empty()) co_return;
  view_.ShowInfo("", InfoColour::Kept);
  // The profile of the chosen file's name is loaded from the Profiles folder,
  // whichever folder the chosen file was in.
  const std::string name = ProfileNameOfFile(chosen.front());
  if (!IsValidProfileName(name)) {
    view_.ShowInfo(Translated("Profiles", "Invalid profile name"), InfoColour::Ordinary);
    co_return;
  }
  // As when the selection changes, unsaved edits are offered for saving first.
  const bool mayLeave = co_await MayLeaveLists();
  if (!mayLeave) co_return;
  // Selected before loading, so that a file that cannot be read leaves no
  // name selected that a later Save could write the empty lists over.
  if (selection_.IndexOf(name) < 0) selection_.AddToList(name);
  selection_.Select(selection_.IndexOf(name));
  co_await loader_.LoadProfile(name, false);
}

Task<bool> ProfileStore::Save() {
  const std::string name = selection_.CurrentProfileName();
  if (!name.empty()) {
    if (!stored_.SaveProfile(name)) co_return false;
    document_.MarkSaved();
    co_return true;
  }
  view_.ShowInfo("", InfoColour::Kept);
  const ProfileCreation created = co_await CreateProfile();
  co_return created == ProfileCreation::Replaced ||
      (created == ProfileCreation::Created && stored_.SaveProfile(selection_.CurrentProfileName()));
}

Task<> ProfileStore::SaveAs() {
  view_.ShowInfo("", InfoColour::Kept);
  // A new profile's backup then holds the same content as its file; a
  // replaced one's backup keeps what it held before.
  const ProfileCreation created = co_await CreateProfile();
  if (created == ProfileCreation::Created) stored_.SaveProfile(selection_.CurrentProfileName());
}

Task<> ProfileStore::RetrieveBackup() {
  view_.ShowInfo("", InfoColour::Kept);
  // The backup takes the lists' place as any other profile would.
  const bool mayLeave = co_await MayLeaveLists();
  if (!mayLeave) co_return;
  // The profile file itself stays as it is until the user saves; a backup
  // read only in part is not offered for saving.
  const bool retrieved = co_await loader_.LoadProfile(selection_.CurrentProfileName(), true);
  if (retrieved) document_.MarkUnsaved();
}

Task<> ProfileStore::Delete() {
  if (selection_.SelectedIndex() < 0) co_return;
  const int position = selection_.SelectedIndex();
  const std::string name = selection_.CurrentProfileName();
  Question sure{
      Filled(Translated("Profiles", "Do you want to permanently delete the profile named %1?"),
             {name}),
      Translated("Profiles", "Delete Profile"), PromptButtons::OkCancel};
  const PromptAnswer answer = co_await Asked(prompts_, std::move(sure));
  if (answer != PromptAnswer::Ok) {
    view_.ShowInfo(Translated("Profiles", "Deletion canceled."), InfoColour::Ordinary);
    co_return;
  }
  const std::string backup = folder_.ProfilePath(name, ProfileFileKind::Backup);
  if (!files_.RemoveFile(folder_.ProfilePath(name, ProfileFileKind::Profile))) {
    view_.ShowInfo(Filled(Translated("Profiles", "ERROR deleting profile %1."), {name}),
                   InfoColour::Ordinary);
    co_return;
  }
  files_.RemoveFile(backup);
  folder_.Forget(name);
  // Unsaved edits of the deleted profile go with it; they belong to no neighbour.
  if (SameProfileName(document_.Name(), name)) {
    document_.Rename("");
    document_.MarkSaved();
  }
  selection_.RemoveFromList(position);
  if (!selection_.ProfileList().empty()) {
    selection_.Select(position > 0 ? position - 1 : 0);
    co_await SelectionChanged();
  } else {
    selection_.Select(-1);
    loader_.ClearLists();
  }
  view_.ShowInfo(Filled(Translated("Profiles", "Profile %1 deleted."), {name}),
                 InfoColour::Ordinary);
}
