#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What tells that a file may have changed since it was last read.
struct FileStamp {
  std::uint64_t Device = 0;
  std::uint64_t Inode = 0;
  std::int64_t Size = 0;
  std::int64_t ModifiedNs = 0;
  std::int64_t ChangedNs = 0;

  bool operator==(const FileStamp&) const = default;
};

// The stamp of an existing file or folder.
std::optional<FileStamp> StampOf(const std::string& path);
bool IsRegularFile(const std::string& path);
bool IsFolder(const std::string& path);
// The size of a regular file.
std::optional<std::int64_t> RegularFileSize(const std::string& path);

// The whole content of a file; nothing when it cannot be read or is larger
// than the limit.
std::optional<std::string> ReadFileBytes(const std::string& path, std::int64_t limit);
// The same with the stamp of the content read.
struct StampedBytes {
  FileStamp Stamp;
  std::string Bytes;
};
std::optional<StampedBytes> ReadStampedFile(const std::string& path, std::int64_t limit);
std::string CurrentFolder();

// The changes that saving and deleting make to the Profiles folder. Tests
// stand in for it to see the order of the calls, or to make them fail.
class FileAccess {
 public:
  virtual ~FileAccess() = default;

  // Creates a file that does not exist yet and reads it back: true only when
  // it holds the bytes.
  virtual bool WriteNewFile(const std::string& path, std::string_view bytes) = 0;
  // Flushes a file's content, or a folder's entries, to the disk.
  virtual bool SyncToDisk(const std::string& path) = 0;
  // A second name for a file; false where the file system has none.
  virtual bool LinkFile(const std::string& existing, const std::string& newName) = 0;
  // Renames within one folder; a file of the new name is replaced at once.
  virtual bool RenameFile(const std::string& from, const std::string& to) = 0;
  // Removes a file, never a folder.
  virtual bool RemoveFile(const std::string& path) = 0;
};

// The file system itself.
FileAccess& SystemFiles();
