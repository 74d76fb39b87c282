#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "profiles/FileAccess.h"

enum class ProfileFileKind { Profile, Backup };

// The Profiles folder: which profiles it holds, the paths of their files and
// the numbers stored in them. ".qvt" and ".BAK" files are recognised in any
// letter case, and names that differ only in letter case name one profile.
//
// Numbers are cached per file: a number is read again once the file's stamp
// (size, times, identity) has changed, and the listing once the folder's has.
// The program reports its own writes, renames and deletions with Forget, so
// that changes within one tick of the file system's clock are seen as well.
class ProfileFolder {
 public:
  // The folder's path, ending in "/".
  explicit ProfileFolder(std::string path);

  const std::string& Path() const { return path_; }

  // The stored profiles' names, sorted regardless of letter case.
  std::vector<std::string> ProfileNames();
  // The names of what is named like a profile but is no file (a folder
  // "Porch.qvt", say), sorted the same way.
  std::vector<std::string> NamesOfNoFiles();
  bool ProfileExists(std::string_view name);
  // The existing file of a profile, whatever the letter case of its name;
  // otherwise the path that the program creates.
  std::string ProfilePath(std::string_view name, ProfileFileKind kind);
  // Where a profile's file or backup is made before it replaces the old one.
  std::string TemporaryPath(std::string_view name, ProfileFileKind kind);

  // The "ID" of the profile's file; NoProfileId without a file or number.
  int ReadProfileNumber(std::string_view name);
  std::vector<int> ReadProfileNumbers(const std::vector<std::string>& names);
  // The first profile in folder order whose number matches; empty if none.
  std::string FindProfileByNumber(int number);

  void Forget(std::string_view name);

 private:
  struct StoredProfile {
    std::string Name;         // the base name as spelt on disk
    std::string ProfileFile;  // file names within the folder; empty when absent
    std::string BackupFile;
  };
  struct KnownNumber {
    FileStamp Stamp;
    int Number;
  };

  void Refresh();
  void List();
  const StoredProfile* Find(std::string_view name);
  const StoredProfile* FindListed(std::string_view name) const;
  int NumberOf(const std::string& fileName, bool recheck);

  std::string path_;
  bool listed_ = false;
  std::optional<FileStamp> listedStamp_;
  std::vector<StoredProfile> profiles_;
  std::vector<std::string> noFiles_;
  std::unordered_map<std::string, std::size_t> byLowerCaseName_;
  std::unordered_map<std::string, KnownNumber> numbers_;
  // FindProfileByNumber runs every second: it checks a share of the stamps
  // each time, all of them after the folder changed.
  bool recheckAll_ = true;
  std::size_t recheckCursor_ = 0;
};
