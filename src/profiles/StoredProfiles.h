#pragma once

#include <string>

#include "profiles/EditorView.h"
#include "profiles/FileAccess.h"
#include "profiles/ProfileDocument.h"
#include "profiles/ProfileFolder.h"
#include "profiles/SongProfile.h"

// The profile files of the Profiles folder: their numbers, and the open
// profile's lists written into them. Failures are shown on the status line;
// files are changed only through FileAccess.
class StoredProfiles {
 public:
  StoredProfiles(ProfileFolder& folder, ProfileDocument& document, EditorView& view,
                 FileAccess& files);

  int ReadProfileNumber(const std::string& name);
  int NextFreeProfileNumber();
  // A stored profile's name, or "None" in the user's language.
  std::string FindProfileByNumber(int number);

  bool WriteProfile(const std::string& name, int number);
  bool WriteProfileLists(const std::string& name, int number, const SongProfile& lists);
  bool SaveProfile(const std::string& name);
  // The lists into the profile's file under the number, the file's old
  // content kept as its backup.
  bool StoreWithBackup(const std::string& name, int number);
  bool ReplaceStoredFile(const std::string& name, ProfileFileKind kind, const std::string& bytes,
                         bool keepBackup);
  void ShowSaveError(const std::string& name);

 private:
  bool IsUsableName(const std::string& name);
  bool RotateIntoBackup(const std::string& name, const std::string& profilePath, bool& moved);

  ProfileFolder& folder_;
  ProfileDocument& document_;
  EditorView& view_;
  FileAccess& files_;
};
