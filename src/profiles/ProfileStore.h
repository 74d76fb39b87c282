#pragma once

#include <string>

#include "profiles/EditorView.h"
#include "profiles/FileAccess.h"
#include "profiles/NewProfileNaming.h"
#include "profiles/ProfileDocument.h"
#include "profiles/ProfileFolder.h"
#include "profiles/ProfileLoader.h"
#include "profiles/ProfileSelection.h"
#include "profiles/SaveChangesQuestion.h"
#include "profiles/SoundDialogs.h"
#include "profiles/StoredProfiles.h"
#include "profiles/Task.h"
#include "profiles/UserPrompts.h"

// The commands on the profiles and the questions they ask, over the
// selector's list (Selection), the profile files (Stored) and the reading of
// them (Loader), acting on the open profile's document. It asks the user
// only through UserPrompts (commands that ask are tasks, which go on once the
// user has answered), shows its outcomes only through EditorView and changes
// files only through FileAccess. Parameters of tasks are taken by value: a
// task outlives the statement that started it.
class ProfileStore {
 public:
  // The Profiles folder's path ends in "/".
  ProfileStore(std::string profilesFolder, ProfileDocument& document, UserPrompts& prompts,
               EditorView& view, FileAccess& files = SystemFiles());

  ProfileDocument& Document() { return document_; }
  // The dialogs that choose sound files, here and on the editor page.
  SoundDialogs& SoundFileDialogs() { return soundDialogs_; }
  ProfileSelection& Selection() { return selection_; }
  StoredProfiles& Stored() { return stored_; }
  ProfileLoader& Loader() { return loader_; }

  // The selector's selection changed by the user.
  Task<> SelectionChanged();
  // Loads the selected profile in place of the lists, asking nothing first.
  Task<> LoadSelectedProfile();
  // "Save changes to profile NAME?" before the lists are left: Save, Don't
  // Save, Cancel. True when the caller may go on: saved, or not to be saved.
  // False on Cancel, or when nothing could be written; the edits are then
  // kept, still unsaved.
  Task<bool> AskSaveChangedProfile();
  // Saves the lists into the profile they were loaded from, or into a new
  // one when none is open; false when nothing was written.
  Task<bool> SaveOpenProfile();
  Task<ProfileCreation> CreateProfile();
  // Whether the editor may close: asks as AskSaveChangedProfile does.
  Task<bool> FormCloseQuery();
  // True when the lists may be left for others: they hold no unsaved edits,
  // or the user answered the question about them with Save or Don't Save.
  Task<bool> MayLeaveLists();
  // A profile file given from outside the editor (the file manager, the
  // command line). A file of the Profiles folder is selected as it is; any
  // other is first copied in under its name, asking before it replaces a
  // profile of that name with other content. Unsaved edits are offered for
  // saving first. True when the profile is selected, ready to be loaded;
  // otherwise a message box or the status line told why.
  Task<bool> SelectProfileFile(std::string path);

  // The "Profiles" menu.
  Task<> New();
  Task<> Open();
  // True when the profile was saved.
  Task<bool> Save();
  Task<> SaveAs();
  Task<> RetrieveBackup();
  Task<> Delete();

 private:
  // Copying a profile file in.
  Task<bool> CopyIn(std::string name, std::string bytes);
  std::string WithOwnNumber(const std::string& name, const std::string& bytes);

  ProfileFolder folder_;
  ProfileDocument& document_;
  UserPrompts& prompts_;
  EditorView& view_;
  FileAccess& files_;
  SoundDialogs soundDialogs_;
  ProfileSelection selection_;
  StoredProfiles stored_;
  ProfileLoader loader_;
  NewProfileNaming naming_;
};
