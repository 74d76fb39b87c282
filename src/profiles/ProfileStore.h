#pragma once

#include <string>
#include <vector>

#include "profiles/EditorView.h"
#include "profiles/FileAccess.h"
#include "profiles/MissingSound.h"
#include "profiles/ProfileDocument.h"
#include "profiles/ProfileFolder.h"
#include "profiles/SongProfile.h"
#include "profiles/SoundDialogs.h"
#include "profiles/Task.h"
#include "profiles/UserPrompts.h"

struct ListedSounds;

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

// The outcome of CheckSoundFiles.
struct SoundFileCheck {
  bool Cancelled = false;
  int Replaced = 0;
  int Removed = 0;
};

// The profile selector's list, the profile files in the Profiles folder and
// the commands on them, acting on the open profile's document. It asks the
// user only through UserPrompts (commands that ask are tasks, which go on
// once the user has answered), shows its outcomes only through EditorView
// and changes files only through FileAccess. Parameters of tasks are taken
// by value: a task outlives the statement that started it.
class ProfileStore {
 public:
  // The Profiles folder's path ends in "/".
  ProfileStore(std::string profilesFolder, ProfileDocument& document, UserPrompts& prompts,
               EditorView& view, FileAccess& files = SystemFiles());

  ProfileDocument& Document() { return document_; }
  const ProfileDocument& Document() const { return document_; }
  // The selector's items and its selection (-1: none).
  const std::vector<std::string>& ProfileList() const { return profileList_; }
  int SelectedIndex() const { return selected_; }
  std::string CurrentProfileName() const;
  // The dialogs that choose sound files, here and on the editor page.
  SoundDialogs& SoundFileDialogs() { return soundDialogs_; }

  // The selector.
  void ListProfiles();
  // Lists the profiles the folder holds now, keeping the selection by name:
  // files copied in, removed or renamed while the program runs.
  void RefreshProfileList();
  // The user chose an item; SelectionChanged follows.
  void SelectProfile(int index);
  // Selects a profile of the list by name, without loading it; false when
  // the list has none of that name.
  bool SelectListedProfile(const std::string& name);
  Task<> SelectionChanged();
  // Loads the selected profile in place of the lists, asking nothing first.
  Task<> LoadSelectedProfile();
  // "Save changes to profile NAME?" before the lists are left: Save, Don't
  // Save, Cancel. True when the caller may go on: saved, or not to be saved.
  // False on Cancel, or when nothing could be written; the edits are then
  // kept, still unsaved.
  Task<bool> AskSaveChangedProfile();
  // That question, about the unsaved edits of a profile (none: a new one).
  static Question SaveChangesQuestion(const std::string& name);
  // Saves the lists into the profile they were loaded from, or into a new
  // one when none is open; false when nothing was written.
  Task<bool> SaveOpenProfile();
  Task<ProfileCreation> CreateProfile();
  int NextFreeProfileNumber();
  // A stored profile's name, or "None".
  std::string FindProfileByNumber(int number);
  Task<SoundFileCheck> CheckSoundFiles();
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

  // The profile files.
  int ReadProfileNumber(const std::string& name);
  bool WriteProfile(const std::string& name, int number);
  bool WriteProfileLists(const std::string& name, int number, const SongProfile& lists);
  bool SaveProfile(const std::string& name);
  // True when the file was read to its end and its lists replaced the open
  // ones. False when it could not be read (the lists are then emptied, with
  // no profile open), or when the user stopped the loading (the profile open
  // before stays open, as it was).
  Task<bool> LoadProfile(std::string name, bool fromBackup);

 private:
  struct Loading {
    SongProfile Lists;  // what is read, before it replaces the open lists
    int Changes = 0;
    bool Stopped = false;
    int FoundAgain = 0;  // missing sounds found by the user or in their folders
    MissingSoundFinder Finder;
  };

  // Loading.
  Task<> ReadListedSounds(const ListedSounds& sounds, Loading& loading);
  Task<> TakeStoredSound(int slot, std::string path, Loading& loading);
  // A stopped load: the selector names the open profile again.
  void KeepOpenProfile();
  void ConvertOldList(const std::string& name, const std::string& oldList, int leftOut);
  void ShowCannotRead(const std::string& name);
  void TellCannotRead(const std::string& name);
  void ShowNotAProfile(const std::string& path);
  void TellNotAProfile(const std::string& path);
  void ShowLoadingStopped(int missingSounds, const Loading& loading);
  void ShowFoundInFolder(const MissingSoundFinder& finder);

  // Creating: the name asked for and checked, and the new file written and
  // selected.
  struct NewProfileName {
    ProfileCreation Result = ProfileCreation::Created;
    std::string Name;
    int Number = NoProfileId;
  };
  // With mayReplace, the name of an existing profile is offered for
  // replacing; otherwise it is refused.
  Task<NewProfileName> AskNewProfileName(bool mayReplace);
  Task<bool> AskToReplace(std::string name);
  void ShowNameRefusal(const NewProfileName& asked);
  ProfileCreation WriteNewProfile(const NewProfileName& asked);
  ProfileCreation ReplaceProfile(const NewProfileName& asked);

  // Copying a profile file in.
  Task<bool> CopyIn(std::string name, std::string bytes);
  std::string WithOwnNumber(const std::string& name, const std::string& bytes);

  // Saving.
  bool IsUsableName(const std::string& name);
  // The lists into the profile's file under the number, the file's old
  // content kept as its backup.
  bool StoreWithBackup(const std::string& name, int number);
  bool ReplaceStoredFile(const std::string& name, ProfileFileKind kind, const std::string& bytes,
                         bool keepBackup);
  bool RotateIntoBackup(const std::string& name, const std::string& profilePath, bool& moved);
  void ShowSaveError(const std::string& name);
  // Tells the user in a box that needs no answer.
  void Tell(Question message);

  // The lists emptied, for no profile.
  void ClearLists();

  // Changes to the selector, each shown at once.
  int IndexOf(const std::string& name) const;
  void Select(int index);
  void AddToList(const std::string& name);
  void RemoveFromList(int index);

  ProfileFolder folder_;
  ProfileDocument& document_;
  UserPrompts& prompts_;
  EditorView& view_;
  FileAccess& files_;
  SoundDialogs soundDialogs_;
  std::vector<std::string> profileList_;
  int selected_ = -1;
};
