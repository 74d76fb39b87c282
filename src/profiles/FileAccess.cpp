#include "profiles/FileAccess.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

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

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

std::optional<FileStamp> StampOf(const std::string& path) {
  const auto status = StatusOf(path);
  if (!status) return std::nullopt;
  return FileStamp{static_cast<std::uint64_t>(status->st_dev),
                   static_cast<std::uint64_t>(status->st_ino),
                   static_cast<std::int64_t>(status->st_size), Nanoseconds(status->st_mtim),
                   Nanoseconds(status->st_ctim)};
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
  const std::optional<std::int64_t> size = RegularFileSize(path);
  if (!size || *size > limit) return std::nullopt;
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  std::size_t count = 0;
  while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    bytes.append(buffer, count);
    if (static_cast<std::int64_t>(bytes.size()) > limit) return std::nullopt;
  }
  if (std::ferror(file.get())) return std::nullopt;
  return bytes;
}

bool WriteFileChecked(const std::string& path, std::string_view bytes) {
  if (!IsUsablePath(path)) return false;
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) return false;
  }
  const auto written = ReadFileBytes(path, static_cast<std::int64_t>(bytes.size()));
  return written && *written == bytes;
}

bool RemoveFile(const std::string& path) {
  return IsUsablePath(path) && ::unlink(path.c_str()) == 0;
}

bool RenameFile(const std::string& from, const std::string& to) {
  return IsUsablePath(from) && IsUsablePath(to) && std::rename(from.c_str(), to.c_str()) == 0;
}

std::string CurrentFolder() {
  std::error_code error;
  std::string folder = std::filesystem::current_path(error).string();
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}
