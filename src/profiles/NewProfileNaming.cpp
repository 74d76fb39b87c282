// Creating a profile: its name asked for and checked, then its file written.
#include "profiles/NewProfileNaming.h"

#include "profiles/ProfileName.h"
#include "translation/Translated.h"

NewProfileNaming::NewProfileNaming(ProfileFolder& folder, ProfileDocument& document,
                                   UserPrompts& prompts, EditorView& view,
                                   ProfileSelection& selection, StoredProfiles& stored)
    : folder_(folder),
      document_(document),
      prompts_(prompts),
      view_(view),
      selection_(selection),
      stored_(stored) {}

Task<NewProfileName> NewProfileNaming::AskNewProfileName(bool mayReplace) {
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
    const int number = stored_.NextFreeProfileNumber();
    if (number > MaxProfileId) {
      Tell(prompts_, {Translated("Profiles",
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

Task<bool> NewProfileNaming::AskToReplace(std::string name) {
  Question replace{Filled(Translated("Profiles", "Profile %1 already exists. Replace it?"), {name}),
                   "", PromptButtons::YesNo, PromptIcon::Exclamation, PromptAnswer::No};
  co_return co_await Asked(prompts_, std::move(replace)) == PromptAnswer::Yes;
}

void NewProfileNaming::ShowNameRefusal(const NewProfileName& asked) {
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

ProfileCreation NewProfileNaming::WriteNewProfile(const NewProfileName& asked) {
  if (!stored_.WriteProfile(asked.Name, asked.Number)) return ProfileCreation::NotWritten;
  selection_.AddToList(asked.Name);
  selection_.Select(static_cast<int>(selection_.ProfileList().size()) - 1);
  // The lists are in the new file now, and they belong to it with the
  // history of their edits, as with any save.
  document_.Rename(asked.Name);
  document_.MarkSaved();
  return ProfileCreation::Created;
}

// Under a fresh number, so that the unit's record of the profile replaced
// is not taken for this one.
ProfileCreation NewProfileNaming::ReplaceProfile(const NewProfileName& asked) {
  if (!stored_.StoreWithBackup(asked.Name, asked.Number)) return ProfileCreation::NotWritten;
  selection_.RefreshProfileList();
  if (selection_.IndexOf(asked.Name) < 0) selection_.AddToList(asked.Name);
  selection_.Select(selection_.IndexOf(asked.Name));
  document_.Rename(selection_.CurrentProfileName());
  document_.MarkSaved();
  view_.ShowInfo(Translated("Profiles", "Profile saved"), InfoColour::Ordinary);
  return ProfileCreation::Replaced;
}
