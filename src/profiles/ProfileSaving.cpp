// Writing the open profile into its file, with the backup of the file's
// previous state. New content is written beside the file and read back
// before anything is moved, so that a failing save leaves the file as it was.
#include "profiles/FileAccess.h"
#include "profiles/IniFile.h"
#include "profiles/ProfileFormat.h"
#include "profiles/ProfileName.h"
#include "profiles/ProfileStore.h"

bool ProfileStore::IsUsableName(const std::string& name) {
  if (name.empty()) {
    view_.ShowInfo("Cannot save profile with out a name", InfoColour::Ordinary);
    return false;
  }
  if (!IsValidProfileName(name)) {
    view_.ShowInfo("Invalid profile name", InfoColour::Ordinary);
    return false;
  }
  return true;
}

void ProfileStore::ShowSaveError(const std::string& name) {
  view_.ShowInfo("ERROR saving profile " + name + ".", InfoColour::Failure);
}

bool ProfileStore::ReplaceProfileFile(const std::string& name, const std::string& text,
                                      bool keepBackup) {
  const std::string profilePath = folder_.ProfilePath(name, ProfileFileKind::Profile);
  const std::string backupPath = folder_.ProfilePath(name, ProfileFileKind::Backup);
  const std::string temporaryPath = folder_.TemporaryPath(name);
  RemoveFile(temporaryPath);  // left by a save that was cut short
  bool written = WriteFileChecked(temporaryPath, text);
  bool movedToBackup = false;
  if (written && keepBackup && StampOf(profilePath)) {
    written =
        (!StampOf(backupPath) || RemoveFile(backupPath)) && RenameFile(profilePath, backupPath);
    movedToBackup = written;
  }
  written = written && RenameFile(temporaryPath, profilePath);
  if (!written) {
    if (movedToBackup) RenameFile(backupPath, profilePath);
    RemoveFile(temporaryPath);
  }
  folder_.Forget(name);
  return written;
}

bool ProfileStore::WriteProfile(const std::string& name, int number) {
  view_.ShowInfo("", InfoColour::Kept);
  if (!IsUsableName(name)) return false;
  // Keys are written into an existing file in place; an old list file is
  // not kept, its content is in the lists.
  IniFile file;
  if (const auto bytes =
          ReadFileBytes(folder_.ProfilePath(name, ProfileFileKind::Profile), MaxProfileFileBytes)) {
    IniFile existing = IniFile::Parse(*bytes);
    if (IsCurrentFormat(existing)) file = std::move(existing);
  }
  WriteProfileKeys(file, profile_, number);
  if (!ReplaceProfileFile(name, file.Text(), false)) {
    ShowSaveError(name);
    return false;
  }
  return true;
}

bool ProfileStore::SaveProfile(const std::string& name) {
  view_.ShowInfo("", InfoColour::Kept);
  if (!IsUsableName(name)) return false;
  IniFile file;
  WriteProfileKeys(file, profile_, ReadProfileNumber(name));
  if (!ReplaceProfileFile(name, file.Text(), true)) {
    ShowSaveError(name);
    return false;
  }
  view_.ShowInfo("Profile saved", InfoColour::Ordinary);
  return true;
}
