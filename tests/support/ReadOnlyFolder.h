#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

// Makes a folder read-only while it lives. Where the process may write anyway
// (root), the folder is made immutable instead if the file system allows.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(std::string path) : path_(std::move(path)) {
    ::chmod(path_.c_str(), 0555);
    if (IsWritable()) immutable_ = SetImmutable(true);
  }
  ~ReadOnlyFolder() {
    if (immutable_) SetImmutable(false);
    ::chmod(path_.c_str(), 0755);
  }

  bool Effective() const { return !IsWritable(); }

 private:
  bool IsWritable() const { return ::access(path_.c_str(), W_OK) == 0 && !immutable_; }
  bool SetImmutable(bool on) const {
    const int folder = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    bool done = folder >= 0 && ::ioctl(folder, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    done = done && ::ioctl(folder, FS_IOC_SETFLAGS, &flags) == 0;
    if (folder >= 0) ::close(folder);
    return done;
  }

  std::string path_;
  bool immutable_ = false;
};
