#include "profiles/ProfileStore.h"

#include "profiles/ProfileName.h"
#include "profiles/VisibleText.h"

ProfileStore::ProfileStore(std::string profilesFolder, UserPrompts& prompts, EditorView& view,
                           FileAccess& files)
    : folder_(std::move(profilesFolder)), prompts_(prompts), view_(view), files_(files) {
  profile_.Buttons[0].Present = true;
  profile_.Buttons[1].Present = true;
}

std::string ProfileStore::CurrentProfileName() const {
  return selected_ < 0 ? std::string() : profileList_[static_cast<std::size_t>(selected_)];
}

void ProfileStore::ListProfiles() {
  profileList_ = folder_.ProfileNames();
  selected_ = profileList_.empty() ? -1 : 0;
  view_.ShowProfileList();
}

void ProfileStore::RefreshProfileList() {
  std::vector<std::string> names = folder_.ProfileNames();
  if (names == profileList_) return;
  const std::string selected = CurrentProfileName();
  profileList_ = std::move(names);
  selected_ = IndexOf(selected);
  view_.ShowProfileList();
}

void ProfileStore::SelectProfile(int index) {
  selected_ = index >= 0 && index < static_cast<int>(profileList_.size()) ? index : -1;
}

bool ProfileStore::SelectListedProfile(const std::string& name) {
  const int index = IndexOf(name);
  if (index < 0) return false;
  Select(index);
  return true;
}

void ProfileStore::SelectionChanged() {
  if (state_.Changed && !AskSaveChangedProfile()) {
    // Back to the profile the unsaved edits belong to; its error stays shown.
    Select(IndexOf(profile_.Name));
    return;
  }
  LoadSelectedProfile();
}

void ProfileStore::LoadSelectedProfile() {
  view_.ShowInfo("", InfoColour::Kept);
  LoadProfile(CurrentProfileName(), false);
  view_.RefreshCapacity();
}

Question ProfileStore::SaveChangesQuestion(const std::string& name) {
  const std::string profile = name.empty() ? "a new profile" : "profile " + VisibleText(name);
  return {"Save changes to " + profile + "?",
          "Unsaved Changes",
          PromptButtons::YesNoCancel,
          PromptIcon::Exclamation,
          PromptAnswer::Yes,
          {"Save", "Don't Save", "Cancel"}};
}

bool ProfileStore::AskSaveChangedProfile() {
  switch (prompts_.Ask(SaveChangesQuestion(profile_.Name))) {
    case PromptAnswer::Yes:
      return SaveOpenProfile();
    case PromptAnswer::No:
      // The mark stays until the lists are replaced: a load that is stopped
      // leaves them as they were, still unsaved.
      return true;
    default:
      return false;
  }
}

bool ProfileStore::SaveOpenProfile() {
  // The edits belong to the profile the lists were loaded from, whatever the
  // selector shows by now.
  if (!profile_.Name.empty()) {
    if (!SaveProfile(profile_.Name)) return false;
    SetChanged(false);
    return true;
  }
  const ProfileCreation created = CreateProfile();
  if (created == ProfileCreation::Created) view_.ShowInfo("Profile created", InfoColour::Ordinary);
  return created == ProfileCreation::Created || created == ProfileCreation::Replaced;
}

void ProfileStore::DiscardChanges() {
  SetChanged(false);
}

ProfileCreation ProfileStore::CreateProfile() {
  const NewProfileName asked = AskNewProfileName(true);
  if (asked.Result == ProfileCreation::NameRefused && asked.Name.empty() && !state_.Changed &&
      !CurrentProfileName().empty()) {
    // Unsaved edits stay on screen, still unsaved, and nobody is asked about
    // them in mid-command; without edits the selected profile is reloaded.
    SelectionChanged();
  }
  ShowNameRefusal(asked);
  if (asked.Result == ProfileCreation::Replaced) return ReplaceProfile(asked);
  if (asked.Result != ProfileCreation::Created) return asked.Result;
  return WriteNewProfile(asked);
}

ProfileStore::NewProfileName ProfileStore::AskNewProfileName(bool mayReplace) {
  std::string offered;
  while (true) {
    const std::optional<std::string> name =
        prompts_.AskText("Create profile name...", "Profile Name", offered);
    if (!name) return {ProfileCreation::Cancelled, ""};
    if (name->empty() || !IsValidProfileName(*name)) return {ProfileCreation::NameRefused, *name};
    const bool exists = folder_.ProfileExists(*name);
    if (exists && !mayReplace) return {ProfileCreation::NameExists, *name};
    // No gives the name box back, the name in it, to choose another.
    if (exists && !AskToReplace(*name)) {
      offered = *name;
      continue;
    }
    const int number = NextFreeProfileNumber();
    if (number > MaxProfileId) {
      prompts_.Ask(
          {"You have exceeded the maximum number of profiles (65278). "
           "Cancelling new profile.",
           "Maximum Number Of Profiles", PromptButtons::Ok, PromptIcon::Stop});
      return {ProfileCreation::TooManyProfiles, *name};
    }
    return {exists ? ProfileCreation::Replaced : ProfileCreation::Created, *name, number};
  }
}

bool ProfileStore::AskToReplace(const std::string& name) {
  return prompts_.Ask({"Profile " + name + " already exists. Replace it?", "",
                       PromptButtons::YesNo, PromptIcon::Exclamation, PromptAnswer::No}) ==
         PromptAnswer::Yes;
}

void ProfileStore::ShowNameRefusal(const NewProfileName& asked) {
  switch (asked.Result) {
    case ProfileCreation::Cancelled:
      view_.ShowInfo("Cancelled new profile", InfoColour::Ordinary);
      break;
    case ProfileCreation::NameRefused:
      view_.ShowInfo(
          asked.Name.empty() ? "Cannot save profile with out a name" : "Invalid profile name",
          InfoColour::Ordinary);
      break;
    case ProfileCreation::NameExists:
      view_.ShowInfo("Profile with the same name already exists", InfoColour::Ordinary);
      break;
    default:
      break;
  }
}

ProfileCreation ProfileStore::WriteNewProfile(const NewProfileName& asked) {
  if (!WriteProfile(asked.Name, asked.Number)) return ProfileCreation::NotWritten;
  // The lists are in the new file now.
  SetChanged(false);
  AddToList(asked.Name);
  Select(static_cast<int>(profileList_.size()) - 1);
  SelectionChanged();
  return ProfileCreation::Created;
}

// Under a fresh number, so that the unit's record of the profile replaced
// is not taken for this one.
ProfileCreation ProfileStore::ReplaceProfile(const NewProfileName& asked) {
  if (!StoreWithBackup(asked.Name, asked.Number)) return ProfileCreation::NotWritten;
  SetChanged(false);
  RefreshProfileList();
  if (IndexOf(asked.Name) < 0) AddToList(asked.Name);
  Select(IndexOf(asked.Name));
  profile_.Name = CurrentProfileName();
  view_.ShowInfo("Profile saved", InfoColour::Ordinary);
  return ProfileCreation::Replaced;
}

int ProfileStore::NextFreeProfileNumber() {
  // Every profile in the folder counts, listed or not, so that a file copied
  // in while the program runs never shares its number with a new one. The
  // lowest free number is at most the number of profiles.
  const std::vector<std::string> stored = folder_.ProfileNames();
  std::vector<bool> taken(stored.size() + 1, false);
  for (const int number : folder_.ReadProfileNumbers(stored)) {
    if (number >= 0 && static_cast<std::size_t>(number) < taken.size()) taken[number] = true;
  }
  int number = 0;
  while (taken[static_cast<std::size_t>(number)]) ++number;
  return number;
}

std::string ProfileStore::FindProfileByNumber(int number) {
  const std::string name = folder_.FindProfileByNumber(number);
  return name.empty() ? "None" : name;
}

int ProfileStore::ReadProfileNumber(const std::string& name) {
  return folder_.ReadProfileNumber(name);
}

bool ProfileStore::FormCloseQuery() {
  return !state_.Changed || AskSaveChangedProfile();
}

void ProfileStore::SetChanged(bool changed) {
  state_.Changed = changed;
  view_.ShowChanged(changed);
}

void ProfileStore::ClearLists() {
  view_.ShowListsReplaced();
  profile_.ClearPresentLists();
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    if (profile_.Buttons[slot].Present) view_.ShowSounds(slot);
  }
}

void ProfileStore::RestoreLists(const SongProfile& kept) {
  view_.ShowListsReplaced();
  profile_ = kept;
  view_.ShowButtons();
  for (int slot = 0; slot < ButtonSlotCount; ++slot) view_.ShowSounds(slot);
  view_.RefreshCapacity();
}

void ProfileStore::TakeLoadedLists(const std::string& name, SongProfile lists) {
  view_.ShowListsReplaced();
  profile_ = std::move(lists);
  profile_.Name = name;
  view_.ShowButtons();
  for (int slot = 0; slot < ButtonSlotCount; ++slot) view_.ShowSounds(slot);
  SetChanged(false);
}

void ProfileStore::KeepOpenProfile() {
  Select(IndexOf(profile_.Name));
}

void ProfileStore::ReplaceSound(int slot, std::size_t row, const SoundEntry& entry) {
  SoundEntry& sound = profile_.Buttons[slot].Sounds[row];
  sound.FileName = entry.FileName;
  sound.SizeText = entry.SizeText;
  sound.Directory = entry.Directory;
  view_.ShowSounds(slot);
}

void ProfileStore::RemoveSound(int slot, std::size_t row) {
  auto& sounds = profile_.Buttons[slot].Sounds;
  sounds.erase(sounds.begin() + static_cast<std::ptrdiff_t>(row));
  view_.ShowSounds(slot);
}

int ProfileStore::IndexOf(const std::string& name) const {
  for (std::size_t index = 0; index < profileList_.size(); ++index) {
    if (SameProfileName(profileList_[index], name)) return static_cast<int>(index);
  }
  return -1;
}

void ProfileStore::Select(int index) {
  selected_ = index;
  view_.ShowSelectedProfile(index);
}

void ProfileStore::AddToList(const std::string& name) {
  profileList_.push_back(name);
  view_.ShowProfileAdded(static_cast<int>(profileList_.size()) - 1);
}

void ProfileStore::RemoveFromList(int index) {
  profileList_.erase(profileList_.begin() + index);
  if (selected_ == index) selected_ = -1;
  if (selected_ > index) --selected_;
  view_.ShowProfileRemoved(index);
}
