#pragma once

#include <string>

#include "profiles/EditorView.h"
#include "profiles/MissingSound.h"
#include "profiles/ProfileDocument.h"
#include "profiles/ProfileFolder.h"
#include "profiles/ProfileSelection.h"
#include "profiles/SongProfile.h"
#include "profiles/SoundDialogs.h"
#include "profiles/StoredProfiles.h"
#include "profiles/Task.h"
#include "profiles/UserPrompts.h"

struct ListedSounds;

// The outcome of CheckSoundFiles.
struct SoundFileCheck {
  bool Cancelled = false;
  int Replaced = 0;
  int Removed = 0;
};

// Reads profile files into the open profile's document: the current format,
// the old plain-list format and its conversion, and the questions about
// missing sounds, on loading and before the profile is programmed.
class ProfileLoader {
 public:
  ProfileLoader(ProfileFolder& folder, ProfileDocument& document, UserPrompts& prompts,
                EditorView& view, SoundDialogs& soundDialogs, ProfileSelection& selection,
                StoredProfiles& stored);

  // True when the file was read to its end and its lists replaced the open
  // ones. False when it could not be read (the lists are then emptied, with
  // no profile open), or when the user stopped the loading (the profile open
  // before stays open, as it was).
  Task<bool> LoadProfile(std::string name, bool fromBackup);
  Task<SoundFileCheck> CheckSoundFiles();
  // Told in boxes that need no answer.
  void TellCannotRead(const std::string& name);
  void TellNotAProfile(const std::string& path);
  // The lists emptied, for no profile.
  void ClearLists();

 private:
  struct Loading {
    SongProfile Lists;  // what is read, before it replaces the open lists
    int Changes = 0;
    bool Stopped = false;
    int FoundAgain = 0;  // missing sounds found by the user or in their folders
    MissingSoundFinder Finder;
  };

  Task<> ReadListedSounds(const ListedSounds& sounds, Loading& loading);
  Task<> TakeStoredSound(int slot, std::string path, Loading& loading);
  // A stopped load: the selector names the open profile again.
  void KeepOpenProfile();
  void ConvertOldList(const std::string& name, const std::string& oldList, int leftOut);
  void ShowCannotRead(const std::string& name);
  void ShowNotAProfile(const std::string& path);
  void ShowLoadingStopped(int missingSounds, const Loading& loading);
  void ShowFoundInFolder(const MissingSoundFinder& finder);

  ProfileFolder& folder_;
  ProfileDocument& document_;
  UserPrompts& prompts_;
  EditorView& view_;
  SoundDialogs& soundDialogs_;
  ProfileSelection& selection_;
  StoredProfiles& stored_;
};
