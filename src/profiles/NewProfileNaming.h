#pragma once

#include <string>

#include "profiles/EditorView.h"
#include "profiles/ProfileDocument.h"
#include "profiles/ProfileFolder.h"
#include "profiles/ProfileSelection.h"
#include "profiles/SongProfile.h"
#include "profiles/StoredProfiles.h"
#include "profiles/Task.h"
#include "profiles/UserPrompts.h"

// How CreateProfile ended.
enum class ProfileCreation {
  Created,
  Replaced,     // an existing profile's file took the lists
  NameRefused,  // empty or not usable as a file name
  NameExists,
  TooManyProfiles,
  NotWritten,
  Cancelled,
};

// The name asked for and checked, and the number it gets.
struct NewProfileName {
  ProfileCreation Result = ProfileCreation::Created;
  std::string Name;
  int Number = NoProfileId;
};

// Creating a profile: the name asked for and checked, and the new file
// written and selected.
class NewProfileNaming {
 public:
  NewProfileNaming(ProfileFolder& folder, ProfileDocument& document, UserPrompts& prompts,
                   EditorView& view, ProfileSelection& selection, StoredProfiles& stored);

  // With mayReplace, the name of an existing profile is offered for
  // replacing; otherwise it is refused.
  Task<NewProfileName> AskNewProfileName(bool mayReplace);
  Task<bool> AskToReplace(std::string name);
  void ShowNameRefusal(const NewProfileName& asked);
  ProfileCreation WriteNewProfile(const NewProfileName& asked);
  ProfileCreation ReplaceProfile(const NewProfileName& asked);

 private:
  ProfileFolder& folder_;
  ProfileDocument& document_;
  UserPrompts& prompts_;
  EditorView& view_;
  ProfileSelection& selection_;
  StoredProfiles& stored_;
};
