#include "profiles/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace {

// Paths are byte strings; one holding NUL names no file (the system would
// read only the part before it).
bool IsUsablePath(const std::string& path) {
  return !path.empty() && path.find('\0') == std::string::npos;
}

std::optional<struct stat> StatusOf(const std::string& path) {
  struct stat status {};
  if (!IsUsablePath(path) || ::stat(path.c_str(), &status) != 0) return std::nullopt;
  return status;
}

std::int64_t Nanoseconds(const timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

FileStamp StampFrom(const struct stat& status) {
  return FileStamp{static_cast<std::uint64_t>(status.st_dev),
                   static_cast<std::uint64_t>(status.st_ino),
                   static_cast<std::int64_t>(status.st_size), Nanoseconds(status.st_mtim),
                   Nanoseconds(status.st_ctim)};
}

}  // namespace

std::optional<FileStamp> StampOf(const std::string& path) {
  const auto status = StatusOf(path);
  if (!status) return std::nullopt;
  return StampFrom(*status);
}

bool IsRegularFile(const std::string& path) {
  const auto status = StatusOf(path);
  return status && S_ISREG(status->st_mode);
}

bool IsFolder(const std::string& path) {
  const auto status = StatusOf(path);
  return status && S_ISDIR(status->st_mode);
}

std::optional<std::int64_t> RegularFileSize(const std::string& path) {
  const auto status = StatusOf(path);
  if (!status || !S_ISREG(status->st_mode)) return std::nullopt;
  return static_cast<std::int64_t>(status->st_size);
}

std::optional<std::string> ReadFileBytes(const std::string& path, std::int64_t limit) {
  std::optional<StampedBytes> file = ReadStampedFile(path, limit);
  if (!file) return std::nullopt;
  return std::move(file->Bytes);
}

std::optional<StampedBytes> ReadStampedFile(const std::string& path, std::int64_t limit) {
  if (!IsUsablePath(path)) return std::nullopt;
  const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (file < 0) return std::nullopt;
  struct stat status {};
  std::optional<StampedBytes> read;
  if (::fstat(file, &status) == 0 && S_ISREG(status.st_mode) && status.st_size <= limit) {
    read.emplace(StampedBytes{StampFrom(status), {}});
    char buffer[65536];
    ssize_t count = 0;
    while ((count = ::read(file, buffer, sizeof buffer)) > 0 || (count < 0 && errno == EINTR)) {
      if (count > 0) read->Bytes.append(buffer, static_cast<std::size_t>(count));
      if (static_cast<std::int64_t>(read->Bytes.size()) > limit) break;
    }
    if (count != 0) read.reset();
  }
  ::close(file);
  return read;
}

std::string CurrentFolder() {
  std::error_code error;
  std::string folder = std::filesystem::current_path(error).string();
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

namespace {

class SystemFileAccess final : public FileAccess {
 public:
  bool WriteNewFile(const std::string& path, std::string_view bytes) override {
    if (!IsUsablePath(path)) return false;
    // Created exclusively: never written through a link left in its place.
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (file < 0) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t count = ::write(file, bytes.data() + done, bytes.size() - done);
      if (count < 0 && errno == EINTR) continue;
      if (count <= 0) break;
      done += static_cast<std::size_t>(count);
    }
    if (::close(file) != 0 || done != bytes.size()) return false;
    const auto written = ReadFileBytes(path, static_cast<std::int64_t>(bytes.size()));
    return written && *written == bytes;
  }

  bool SyncToDisk(const std::string& path) override {
    if (!IsUsablePath(path)) return false;
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) return false;
    const bool synced = ::fsync(file) == 0;
    return ::close(file) == 0 && synced;
  }

  bool LinkFile(const std::string& existing, const std::string& newName) override {
    return IsUsablePath(existing) && IsUsablePath(newName) &&
           ::link(existing.c_str(), newName.c_str()) == 0;
  }

  bool RenameFile(const std::string& from, const std::string& to) override {
    return IsUsablePath(from) && IsUsablePath(to) && std::rename(from.c_str(), to.c_str()) == 0;
  }

  bool RemoveFile(const std::string& path) override {
    return IsUsablePath(path) && ::unlink(path.c_str()) == 0;
  }
};

}  // namespace

FileAccess& SystemFiles() {
  static SystemFileAccess files;
  return files;
}
