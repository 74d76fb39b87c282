#include "profiles/ProfileFolder.h"

#include <dirent.h>

#include <algorithm>
#include <tuple>

#include "profiles/IniFile.h"
#include "profiles/ProfileFormat.h"
#include "profiles/ProfileName.h"
#include "profiles/ProfileText.h"

namespace {

constexpr std::string_view ProfileExtension = ".qvt";
constexpr std::string_view BackupExtension = ".BAK";
// Stamps checked per search beyond those changed: a file changed in place by
// another program is read again within (profiles / this) searches.
constexpr std::size_t RechecksPerSearch = 1000;

struct FoundFile {
  std::string LowerCaseName;
  std::string File;
  bool IsProfile;
};

struct FolderEntries {
  std::vector<FoundFile> Files;    // profiles and backups, by name
  std::vector<FoundFile> NoFiles;  // named like a profile but no file (a folder)
};

// The profiles and backups of the folder, sorted by name regardless of
// letter case; of two spellings of one name the same one comes first each time.
FolderEntries ReadEntries(const std::string& path) {
  FolderEntries entries;
  if (DIR* folder = ::opendir(path.c_str())) {
    while (const dirent* entry = ::readdir(folder)) {
      const std::string file = entry->d_name;
      if (file.size() <= ProfileExtension.size()) continue;
      const std::string base = file.substr(0, file.size() - ProfileExtension.size());
      const std::string extension = file.substr(base.size());
      const bool isProfile = SameProfileName(extension, ProfileExtension);
      if (!isProfile && !SameProfileName(extension, BackupExtension)) continue;
      if (!IsValidProfileName(base)) continue;
      // The listing tells most files' type; links and the rest are looked at.
      const bool isFile =
          entry->d_type == DT_REG || (entry->d_type != DT_DIR && IsRegularFile(path + file));
      if (isFile) {
        entries.Files.push_back({LowerCase(base), file, isProfile});
      } else if (isProfile) {
        entries.NoFiles.push_back({LowerCase(base), base, false});
      }
    }
    ::closedir(folder);
  }
  const auto byName = [](const FoundFile& a, const FoundFile& b) {
    return std::tie(a.LowerCaseName, a.File) < std::tie(b.LowerCaseName, b.File);
  };
  std::sort(entries.Files.begin(), entries.Files.end(), byName);
  std::sort(entries.NoFiles.begin(), entries.NoFiles.end(), byName);
  return entries;
}

}  // namespace

ProfileFolder::ProfileFolder(std::string path) : path_(std::move(path)) {}

void ProfileFolder::Refresh() {
  const std::optional<FileStamp> stamp = StampOf(path_);
  if (listed_ && stamp == listedStamp_) return;
  listedStamp_ = stamp;
  List();
  listed_ = true;
  recheckAll_ = true;
}

void ProfileFolder::List() {
  FolderEntries entries = ReadEntries(path_);
  noFiles_.clear();
  for (FoundFile& noFile : entries.NoFiles) noFiles_.push_back(std::move(noFile.File));
  profiles_.clear();
  byLowerCaseName_.clear();
  // A profile and its backup are one entry.
  for (FoundFile& file : entries.Files) {
    const auto [known, isNew] = byLowerCaseName_.try_emplace(file.LowerCaseName, profiles_.size());
    if (isNew) profiles_.emplace_back();
    StoredProfile& profile = profiles_[known->second];
    std::string& slot = file.IsProfile ? profile.ProfileFile : profile.BackupFile;
    if (slot.empty()) slot = std::move(file.File);
  }
  for (StoredProfile& profile : profiles_) {
    const std::string& file =
        profile.ProfileFile.empty() ? profile.BackupFile : profile.ProfileFile;
    profile.Name = file.substr(0, file.size() - ProfileExtension.size());
  }
}

const ProfileFolder::StoredProfile* ProfileFolder::Find(std::string_view name) {
  Refresh();
  return FindListed(name);
}

const ProfileFolder::StoredProfile* ProfileFolder::FindListed(std::string_view name) const {
  const auto found = byLowerCaseName_.find(LowerCase(name));
  return found == byLowerCaseName_.end() ? nullptr : &profiles_[found->second];
}

std::vector<std::string> ProfileFolder::ProfileNames() {
  Refresh();
  std::vector<std::string> names;
  for (const StoredProfile& profile : profiles_) {
    if (!profile.ProfileFile.empty()) names.push_back(profile.Name);
  }
  return names;
}

std::vector<std::string> ProfileFolder::NamesOfNoFiles() {
  Refresh();
  return noFiles_;
}

bool ProfileFolder::ProfileExists(std::string_view name) {
  const StoredProfile* profile = Find(name);
  return profile && !profile->ProfileFile.empty();
}

std::string ProfileFolder::ProfilePath(std::string_view name, ProfileFileKind kind) {
  const StoredProfile* profile = Find(name);
  const bool wantsProfile = kind == ProfileFileKind::Profile;
  if (profile) {
    const std::string& file = wantsProfile ? profile->ProfileFile : profile->BackupFile;
    if (!file.empty()) return path_ + file;
  }
  const std::string base = profile ? profile->Name : std::string(name);
  return path_ + base + std::string(wantsProfile ? ProfileExtension : BackupExtension);
}

std::string ProfileFolder::TemporaryPath(std::string_view name, ProfileFileKind kind) {
  const std::string_view extension = kind == ProfileFileKind::Backup ? BackupExtension : "";
  return path_ + "." + std::string(name) + std::string(extension) + ".saving";
}

int ProfileFolder::NumberOf(const std::string& fileName, bool recheck) {
  const auto known = numbers_.find(fileName);
  if (known != numbers_.end()) {
    if (!recheck) return known->second.Number;
    const std::optional<FileStamp> stamp = StampOf(path_ + fileName);
    if (stamp == known->second.Stamp) return known->second.Number;
    numbers_.erase(known);
  }
  const std::optional<StampedBytes> file = ReadStampedFile(path_ + fileName, MaxProfileFileBytes);
  if (!file) return NoProfileId;
  // Only UTF-16 moves the keys; other files are read as they are.
  const std::string& bytes = file->Bytes;
  const int number = StoredProfileNumber(
      HasUtf16ByteOrderMark(bytes) ? IniFile::Parse(ProfileTextOf(bytes)) : IniFile::Parse(bytes));
  numbers_.emplace(fileName, KnownNumber{file->Stamp, number});
  return number;
}

int ProfileFolder::ReadProfileNumber(std::string_view name) {
  const StoredProfile* profile = Find(name);
  if (!profile || profile->ProfileFile.empty()) return NoProfileId;
  return NumberOf(profile->ProfileFile, true);
}

std::vector<int> ProfileFolder::ReadProfileNumbers(const std::vector<std::string>& names) {
  Refresh();
  std::vector<int> numbers;
  numbers.reserve(names.size());
  for (const std::string& name : names) {
    const StoredProfile* profile = FindListed(name);
    const bool hasFile = profile && !profile->ProfileFile.empty();
    numbers.push_back(hasFile ? NumberOf(profile->ProfileFile, true) : NoProfileId);
  }
  return numbers;
}

std::string ProfileFolder::FindProfileByNumber(int number) {
  Refresh();
  const std::size_t count = profiles_.size();
  const std::size_t rechecks = recheckAll_ ? count : std::min(count, RechecksPerSearch);
  for (std::size_t done = 0; done < rechecks; ++done) {
    const StoredProfile& profile = profiles_[(recheckCursor_ + done) % count];
    if (!profile.ProfileFile.empty()) NumberOf(profile.ProfileFile, true);
  }
  recheckCursor_ = count == 0 ? 0 : (recheckCursor_ + rechecks) % count;
  recheckAll_ = false;
  for (const StoredProfile& profile : profiles_) {
    if (!profile.ProfileFile.empty() && NumberOf(profile.ProfileFile, false) == number) {
      return profile.Name;
    }
  }
  return {};
}

void ProfileFolder::Forget(std::string_view name) {
  if (const StoredProfile* profile = FindListed(name)) {
    numbers_.erase(profile->ProfileFile);
    numbers_.erase(profile->BackupFile);
  }
  listed_ = false;
}
