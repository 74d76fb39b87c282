#include "profiles/ProfileFolder.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "profiles/IniFile.h"
#include "profiles/ProfileFormat.h"
#include "profiles/ProfileName.h"

namespace {

constexpr std::string_view ProfileExtension = ".qvt";
constexpr std::string_view BackupExtension = ".BAK";
// Stamps checked per search beyond those changed: a file changed in place by
// another program is read again within (profiles / this) searches.
constexpr std::size_t RechecksPerSearch = 1000;

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
  std::map<std::string, StoredProfile> byLowerCase;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(path_, error), end; !error && entry != end;
       entry.increment(error)) {
    std::error_code typeError;
    if (!entry->is_regular_file(typeError)) continue;
    const std::string file = entry->path().filename().string();
    if (file.size() <= ProfileExtension.size()) continue;
    const std::string base = file.substr(0, file.size() - ProfileExtension.size());
    const std::string extension = file.substr(base.size());
    const bool isProfile = SameProfileName(extension, ProfileExtension);
    if (!isProfile && !SameProfileName(extension, BackupExtension)) continue;
    if (!IsValidProfileName(base)) continue;
    std::string& slot = isProfile ? byLowerCase[LowerCase(base)].ProfileFile
                                  : byLowerCase[LowerCase(base)].BackupFile;
    // Of two spellings of one name the same one wins each time.
    if (slot.empty() || file < slot) slot = file;
  }
  profiles_.clear();
  byLowerCaseName_.clear();
  for (auto& [lowerCase, profile] : byLowerCase) {
    const std::string& file =
        profile.ProfileFile.empty() ? profile.BackupFile : profile.ProfileFile;
    profile.Name = file.substr(0, file.size() - ProfileExtension.size());
    byLowerCaseName_.emplace(lowerCase, profiles_.size());
    profiles_.push_back(std::move(profile));
  }
}

const ProfileFolder::StoredProfile* ProfileFolder::Find(std::string_view name) {
  Refresh();
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

std::string ProfileFolder::TemporaryPath(std::string_view name) {
  return path_ + "." + std::string(name) + ".saving";
}

int ProfileFolder::NumberOf(const std::string& fileName, bool recheck) {
  const auto known = numbers_.find(fileName);
  if (known != numbers_.end() && !recheck) return known->second.Number;
  const std::optional<FileStamp> stamp = StampOf(path_ + fileName);
  if (!stamp) {
    if (known != numbers_.end()) numbers_.erase(known);
    return NoProfileId;
  }
  if (known != numbers_.end() && known->second.Stamp == *stamp) return known->second.Number;
  const std::optional<std::string> bytes = ReadFileBytes(path_ + fileName, MaxProfileFileBytes);
  const int number = bytes ? StoredProfileNumber(IniFile::Parse(*bytes)) : NoProfileId;
  numbers_[fileName] = KnownNumber{*stamp, number};
  return number;
}

int ProfileFolder::ReadProfileNumber(std::string_view name) {
  const StoredProfile* profile = Find(name);
  if (!profile || profile->ProfileFile.empty()) return NoProfileId;
  return NumberOf(profile->ProfileFile, true);
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
  if (const StoredProfile* profile = Find(name)) {
    numbers_.erase(profile->ProfileFile);
    numbers_.erase(profile->BackupFile);
  }
  listed_ = false;
}
