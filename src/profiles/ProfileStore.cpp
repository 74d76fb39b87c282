#include "profiles/ProfileStore.h"

#include "profiles/ProfileName.h"
#include "profiles/VisibleText.h"
#include "translation/Translated.h"

ProfileStore::ProfileStore(std::string profilesFolder, ProfileDocument& document,
                           UserPrompts& prompts, EditorView& view, FileAccess& files)
    : folder_(std::move(profilesFolder)),
      document_(document),
      prompts_(prompts),
      view_(view),
      files_(files) {}

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

Task<> ProfileStore::SelectionChanged() {
  const bool mayLeave = co_await MayLeaveLists();
  if (!mayLeave) {
    // Back to the profile the unsaved edits belong to; its error stays shown.
    Select(IndexOf(document_.Name()));
    co_return;
  }
  co_await LoadSelectedProfile();
}

Task<> ProfileStore::LoadSelectedProfile() {
  view_.ShowInfo("", InfoColour::Kept);
  co_await LoadProfile(CurrentProfileName(), false);
}

Question ProfileStore::SaveChangesQuestion(const std::string& name) {
  return {name.empty()
              ? Translated("Profiles", "Save changes to a new profile?")
              : Filled(Translated("Profiles", "Save changes to profile %1?"), {VisibleText(name)}),
          Translated("Profiles", "Unsaved Changes"),
          PromptButtons::YesNoCancel,
          PromptIcon::Exclamation,
          PromptAnswer::Yes,
          {Translated("Profiles", "Save"), Translated("Profiles", "Don't Save"),
           Translated("Profiles", "Cancel")}};
}

Task<bool> ProfileStore::AskSaveChangedProfile() {
  const PromptAnswer answer = co_await Asked(prompts_, SaveChangesQuestion(document_.Name()));
  switch (answer) {
    case PromptAnswer::Yes:
      co_return co_await SaveOpenProfile();
    case PromptAnswer::No:
      // The mark stays until the lists are replaced: a load that is stopped
      // leaves them as they were, still unsaved.
      co_return true;
    default:
      co_return false;
  }
}

Task<bool> ProfileStore::SaveOpenProfile() {
  // The edits belong to the profile the lists were loaded from, whatever the
  // selector shows by now.
  if (!document_.Name().empty()) {
    if (!SaveProfile(document_.Name())) co_return false;
    document_.MarkSaved();
    co_return true;
  }
  const ProfileCreation created = co_await CreateProfile();
  if (created == ProfileCreation::Created) {
    view_.ShowInfo(Translated("Profiles", "Profile created"), InfoColour::Ordinary);
  }
  co_return created == ProfileCreation::Created || created == ProfileCreation::Replaced;
}

Task<ProfileCreation> ProfileStore::CreateProfile() {
  const NewProfileName asked = co_await AskNewProfileName(true);
  if (asked.Result == ProfileCreation::NameRefused && asked.Name.empty() && !document_.Changed() &&
      !CurrentProfileName().empty()) {
    // Unsaved edits stay on screen, still unsaved, and nobody is asked about
    // them in mid-command; without edits the selected profile is reloaded.
    co_await SelectionChanged();
  }
  ShowNameRefusal(asked);
  if (asked.Result == ProfileCreation::Replaced) co_return ReplaceProfile(asked);
  if (asked.Result != ProfileCreation::Created) co_return asked.Result;
  co_return WriteNewProfile(asked);
}

Task<ProfileStore::NewProfileName> ProfileStore::AskNewProfileName(bool mayReplace) {
  std::string offered;
  while (true) {
    TextRequest request{Translated("Profiles", "Create profile name..."),
                        Translated("Profiles", "Profile Name"), offered};
    const std::optional<std::string> name = co_await Typed(prompts_, std::move(request));
    if (!name) co_return NewProfileName{ProfileCreation::Cancelled, ""};
    if (name->empty() || !IsValidProfileName(*name)) {
      co_return NewProfileName{ProfileCreation::NameRefused, *name};
    }
    const bool exists = folder_.ProfileExists(*name);
    if (exists && !mayReplace) co_return NewProfileName{ProfileCreation::NameExists, *name};
    // No gives the name box back, the name in it, to choose another.
    if (exists) {
      const bool replace = co_await AskToReplace(*name);
      if (!replace) {
        offered = *name;
        continue;
      }
    }
    const int number = NextFreeProfileNumber();
    if (number > MaxProfileId) {
      Tell({Translated("Profiles",
                       "You have exceeded the maximum number of profiles (65278). "
                       "Cancelling new profile."),
            Translated("Profiles", "Maximum Number Of Profiles"), PromptButtons::Ok,
            PromptIcon::Stop});
      co_return NewProfileName{ProfileCreation::TooManyProfiles, *name};
    }
    co_return NewProfileName{exists ? ProfileCreation::Replaced : ProfileCreation::Created, *name,
                             number};
  }
}

Task<bool> ProfileStore::AskToReplace(std::string name) {
  Question replace{Filled(Translated("Profiles", "Profile %1 already exists. Replace it?"), {name}),
                   "", PromptButtons::YesNo, PromptIcon::Exclamation, PromptAnswer::No};
  co_return co_await Asked(prompts_, std::move(replace)) == PromptAnswer::Yes;
}

void ProfileStore::ShowNameRefusal(const NewProfileName& asked) {
  switch (asked.Result) {
    case ProfileCreation::Cancelled:
      view_.ShowInfo(Translated("Profiles", "Cancelled new profile"), InfoColour::Ordinary);
      break;
    case ProfileCreation::NameRefused:
      view_.ShowInfo(asked.Name.empty()
                         ? Translated("Profiles", "Cannot save profile with out a name")
                         : Translated("Profiles", "Invalid profile name"),
                     InfoColour::Ordinary);
      break;
    case ProfileCreation::NameExists:
      view_.ShowInfo(Translated("Profiles", "Profile with the same name already exists"),
                     InfoColour::Ordinary);
      break;
    default:
      break;
  }
}

ProfileCreation ProfileStore::WriteNewProfile(const NewProfileName& asked) {
  if (!WriteProfile(asked.Name, asked.Number)) return ProfileCreation::NotWritten;
  AddToList(asked.Name);
  Select(static_cast<int>(profileList_.size()) - 1);
  // The lists are in the new file now, and they belong to it with the
  // history of their edits, as with any save.
  document_.Rename(asked.Name);
  document_.MarkSaved();
  return ProfileCreation::Created;
}

// Under a fresh number, so that the unit's record of the profile replaced
// is not taken for this one.
ProfileCreation ProfileStore::ReplaceProfile(const NewProfileName& asked) {
  if (!StoreWithBackup(asked.Name, asked.Number)) return ProfileCreation::NotWritten;
  RefreshProfileList();
  if (IndexOf(asked.Name) < 0) AddToList(asked.Name);
  Select(IndexOf(asked.Name));
  document_.Rename(CurrentProfileName());
  document_.MarkSaved();
  view_.ShowInfo(Translated("Profiles", "Profile saved"), InfoColour::Ordinary);
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

Task<bool> ProfileStore::FormCloseQuery() {
  return MayLeaveLists();
}

Task<bool> ProfileStore::MayLeaveLists() {
  if (!document_.Changed()) co_return true;
  co_return co_await AskSaveChangedProfile();
}

void ProfileStore::Tell(Question message) {
  prompts_.Ask(message, [](PromptAnswer) {});
}

void ProfileStore::ClearLists() {
  SongProfile empty;
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    empty.Buttons[slot].Present = document_.Lists().Buttons[slot].Present;
  }
  document_.Replace(std::move(empty), "", true);
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
