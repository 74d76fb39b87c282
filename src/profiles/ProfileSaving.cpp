// Writing the open profile into its file, with the backup of the file's
// previous state. New content is written beside the file, read back and
// flushed to the disk before any name points at it; then single renames put
// it in place, so that after a power cut at any moment the profile file holds
// its old or its new content, and a failing save leaves the file as it was.
#include "profiles/FileAccess.h"
#include "profiles/IniFile.h"
#include "profiles/ProfileFormat.h"
#include "profiles/ProfileName.h"
#include "profiles/ProfileText.h"
#include "profiles/StoredProfiles.h"
#include "translation/Translated.h"

namespace {

// What a save that was cut short left behind.
void RemoveLeftover(FileAccess& files, const std::string& path) {
  if (StampOf(path)) files.RemoveFile(path);
}

}  // namespace

bool StoredProfiles::IsUsableName(const std::string& name) {
  if (name.empty()) {
    view_.ShowInfo(Translated("Profiles", "Cannot save profile with out a name"),
                   InfoColour::Ordinary);
    return false;
  }
  if (!IsValidProfileName(name)) {
    view_.ShowInfo(Translated("Profiles", "Invalid profile name"), InfoColour::Ordinary);
    return false;
  }
  return true;
}

void StoredProfiles::ShowSaveError(const std::string& name) {
  view_.ShowInfo(Filled(Translated("Profiles", "ERROR saving profile %1."), {name}),
                 InfoColour::Failure);
}

bool StoredProfiles::ReplaceStoredFile(const std::string& name, ProfileFileKind kind,
                                       const std::string& bytes, bool keepBackup) {
  const std::string path = folder_.ProfilePath(name, kind);
  const std::string temporaryPath = folder_.TemporaryPath(name, kind);
  RemoveLeftover(files_, temporaryPath);
  bool written = files_.WriteNewFile(temporaryPath, bytes) && files_.SyncToDisk(temporaryPath);
  bool moved = false;
  if (written && keepBackup && StampOf(path)) written = RotateIntoBackup(name, path, moved);
  written = written && files_.RenameFile(temporaryPath, path);
  if (!written) {
    if (moved) files_.RenameFile(folder_.ProfilePath(name, ProfileFileKind::Backup), path);
    RemoveLeftover(files_, temporaryPath);
  }
  // The renames reach the disk too.
  if (written || moved) files_.SyncToDisk(folder_.Path());
  folder_.Forget(name);
  return written;
}

// The file's present content becomes the backup. A second name of the file
// replaces the old backup in one rename while the file stays in place; where
// the file system has no second names, the file itself is moved.
bool StoredProfiles::RotateIntoBackup(const std::string& name, const std::string& profilePath,
                                      bool& moved) {
  const std::string backupPath = folder_.ProfilePath(name, ProfileFileKind::Backup);
  const std::string linkPath = folder_.TemporaryPath(name, ProfileFileKind::Backup);
  RemoveLeftover(files_, linkPath);
  if (files_.LinkFile(profilePath, linkPath)) {
    if (files_.RenameFile(linkPath, backupPath)) return true;
    files_.RemoveFile(linkPath);
    return false;
  }
  moved = files_.RenameFile(profilePath, backupPath);
  return moved;
}

bool StoredProfiles::WriteProfile(const std::string& name, int number) {
  return WriteProfileLists(name, number, document_.Lists());
}

bool StoredProfiles::WriteProfileLists(const std::string& name, int number,
                                       const SongProfile& lists) {
  view_.ShowInfo("", InfoColour::Kept);
  if (!IsUsableName(name)) return false;
  // Keys are written into an existing file in place; an old list file is
  // not kept, its content is in the lists.
  IniFile file;
  if (const auto bytes =
          ReadFileBytes(folder_.ProfilePath(name, ProfileFileKind::Profile), MaxProfileFileBytes)) {
    IniFile existing = IniFile::Parse(ProfileTextOf(*bytes));
    if (IsCurrentFormat(existing)) file = std::move(existing);
  }
  WriteProfileKeys(file, lists, number);
  if (!ReplaceStoredFile(name, ProfileFileKind::Profile, file.Text(), false)) {
    ShowSaveError(name);
    return false;
  }
  return true;
}

bool StoredProfiles::SaveProfile(const std::string& name) {
  view_.ShowInfo("", InfoColour::Kept);
  if (!IsUsableName(name) || !StoreWithBackup(name, ReadProfileNumber(name))) return false;
  view_.ShowInfo(Translated("Profiles", "Profile saved"), InfoColour::Ordinary);
  return true;
}

bool StoredProfiles::StoreWithBackup(const std::string& name, int number) {
  IniFile file;
  WriteProfileKeys(file, document_.Lists(), number);
  if (!ReplaceStoredFile(name, ProfileFileKind::Profile, file.Text(), true)) {
    ShowSaveError(name);
    return false;
  }
  return true;
}
