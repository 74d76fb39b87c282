#include "profiles/ProfileStore.h"

#include "translation/Translated.h"

ProfileStore::ProfileStore(std::string profilesFolder, ProfileDocument& document,
                           UserPrompts& prompts, EditorView& view, FileAccess& files)
    : folder_(std::move(profilesFolder)),
      document_(document),
      prompts_(prompts),
      view_(view),
      files_(files),
      selection_(folder_, view),
      stored_(folder_, document, view, files),
      loader_(folder_, document, prompts, view, soundDialogs_, selection_, stored_),
      naming_(folder_, document, prompts, view, selection_, stored_) {}

Task<> ProfileStore::SelectionChanged() {
  const bool mayLeave = co_await MayLeaveLists();
  if (!mayLeave) {
    // Back to the profile the unsaved edits belong to; its error stays shown.
    selection_.Select(selection_.IndexOf(document_.Name()));
    co_return;
  }
  co_await LoadSelectedProfile();
}

Task<> ProfileStore::LoadSelectedProfile() {
  view_.ShowInfo("", InfoColour::Kept);
  co_await loader_.LoadProfile(selection_.CurrentProfileName(), false);
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
    if (!stored_.SaveProfile(document_.Name())) co_return false;
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
  const NewProfileName asked = co_await naming_.AskNewProfileName(true);
  if (asked.Result == ProfileCreation::NameRefused && asked.Name.empty() && !document_.Changed() &&
      !selection_.CurrentProfileName().empty()) {
    // Unsaved edits stay on screen, still unsaved, and nobody is asked about
    // them in mid-command; without edits the selected profile is reloaded.
    co_await SelectionChanged();
  }
  naming_.ShowNameRefusal(asked);
  if (asked.Result == ProfileCreation::Replaced) co_return naming_.ReplaceProfile(asked);
  if (asked.Result != ProfileCreation::Created) co_return asked.Result;
  co_return naming_.WriteNewProfile(asked);
}

Task<bool> ProfileStore::FormCloseQuery() {
  return MayLeaveLists();
}

Task<bool> ProfileStore::MayLeaveLists() {
  if (!document_.Changed()) co_return true;
  co_return co_await AskSaveChangedProfile();
}
