#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

// Makes a folder read-only while it lives; immutable as well where the file
// system allows, for a process that may write anyway (root).
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(std::string path) : path_(std::move(path)) {
    ::chmod(path_.c_str(), 0555);
    SetImmutable(true);
  }
  ~ReadOnlyFolder() {
    SetImmutable(false);
    ::chmod(path_.c_str(), 0755);
  }
  bool Effective() const { return ::access(path_.c_str(), W_OK) != 0; }

 private:
  void SetImmutable(bool on) const {
    const int folder = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    if (::ioctl(folder, FS_IOC_GETFLAGS, &flags) == 0) {
      flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
      ::ioctl(folder, FS_IOC_SETFLAGS, &flags);
    }
    ::close(folder);
  }

  std::string path_;
};
