#pragma once

#include <string>
#include <vector>

#include "profiles/EditorState.h"
#include "profiles/EditorView.h"
#include "profiles/FileAccess.h"
#include "profiles/MissingSound.h"
#include "profiles/ProfileFolder.h"
#include "profiles/SongProfile.h"
#include "profiles/SoundDialogs.h"
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

// The editor's profile side: the open profile and the state beside it, the
// profile selector's list, the profile files in the Profiles folder and the
// commands on them. It asks the user only through UserPrompts, shows its
// outcomes only through EditorView and changes files only through FileAccess.
class ProfileStore {
 public:
  // The Profiles folder's path ends in "/".
  ProfileStore(std::string profilesFolder, UserPrompts& prompts, EditorView& view,
               FileAccess& files = SystemFiles());

  SongProfile& Profile() { return profile_; }
  const SongProfile& Profile() const { return profile_; }
  EditorState& State() { return state_; }
  const EditorState& State() const { return state_; }
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
  void SelectionChanged();
  // False when the user wanted the edits saved and nothing could be written:
  // the edits are then kept, still unsaved.
  bool AskSaveChangedProfile();
  ProfileCreation CreateProfile();
  int NextFreeProfileNumber();
  // A stored profile's name, or "None".
  std::string FindProfileByNumber(int number);
  SoundFileCheck CheckSoundFiles();
  // Whether the editor may close.
  bool FormCloseQuery();
  // A profile file given from outside the editor (the file manager, the
  // command line). A file of the Profiles folder is selected as it is; any
  // other is first copied in under its name, asking before it replaces a
  // profile of that name with other content. Unsaved edits are offered for
  // saving first. True when the profile is selected, ready to be loaded;
  // otherwise a message box or the status line told why.
  bool SelectProfileFile(const std::string& path);

  // The "Profiles" menu.
  void New();
  void Open();
  // True when the profile was saved.
  bool Save();
  void SaveAs();
  void RetrieveBackup();
  void Delete();

  // The profile files.
  int ReadProfileNumber(const std::string& name);
  bool WriteProfile(const std::string& name, int number);
  bool SaveProfile(const std::string& name);
  // True when the file was read to its end; false when it could not be read
  // or the user stopped the loading.
  bool LoadProfile(const std::string& name, bool fromBackup);

 private:
  struct Loading {
    int Changes = 0;
    bool Stopped = false;
    int FoundAgain = 0;  // missing sounds found by the user or in their folders
    MissingSoundFinder Finder;
  };

  // Loading.
  void ReadListedSounds(const ListedSounds& sounds, Loading& loading);
  void TakeStoredSound(int slot, const std::string& path, Loading& loading);
  void AskToSaveLoadedChanges(const std::string& name, const Loading& loading);
  void ConvertOldList(const std::string& name, const std::string& oldList, int leftOut);
  void ShowCannotRead(const std::string& name);
  void AskCannotRead(const std::string& name);
  void ShowNotAProfile(const std::string& path);
  void AskNotAProfile(const std::string& path);
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
  NewProfileName AskNewProfileName(bool mayReplace);
  bool AskToReplace(const std::string& name);
  void ShowNameRefusal(const NewProfileName& asked);
  ProfileCreation WriteNewProfile(const NewProfileName& asked);
  ProfileCreation ReplaceProfile(const NewProfileName& asked);

  // Copying a profile file in.
  bool CopyIn(const std::string& name, const std::string& bytes);
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

  // Whether the lists hold edits that their file does not, shown at once.
  void SetChanged(bool changed);
  // Changes to the lists, each shown at once.
  void ClearLists();
  void RestoreLists(const SongProfile& kept);
  // Slots 0 to count-1 present, every other one hidden and empty.
  void ShowExactlyButtons(int count);
  void AppendSound(int slot, SoundEntry entry);
  void ReplaceSound(int slot, std::size_t row, const SoundEntry& entry);
  void RemoveSound(int slot, std::size_t row);

  // Changes to the selector, each shown at once.
  int IndexOf(const std::string& name) const;
  void Select(int index);
  void AddToList(const std::string& name);
  void RemoveFromList(int index);

  ProfileFolder folder_;
  UserPrompts& prompts_;
  EditorView& view_;
  FileAccess& files_;
  SongProfile profile_;
  EditorState state_;
  SoundDialogs soundDialogs_;
  std::vector<std::string> profileList_;
  int selected_ = -1;
};
