#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

// Makes a folder read-only for as long as it lives. A process that may write
// anyway (root) gets the folder made immutable instead, where the file system
// allows; Effective() tells whether the folder could be protected.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(std::string path) : path_(std::move(path)) {
    ::chmod(path_.c_str(), 0555);
    if (IsWritable()) immutable_ = SetImmutable(true);
    effective_ = !IsWritable();
  }
  ~ReadOnlyFolder() {
    if (immutable_) SetImmutable(false);
    ::chmod(path_.c_str(), 0755);
  }
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

  bool Effective() const { return effective_; }

 private:
  bool IsWritable() const {
    const std::string probe = path_ + "/.probe";
    const int file = ::open(probe.c_str(), O_CREAT | O_WRONLY, 0644);
    if (file < 0) return false;
    ::close(file);
    ::unlink(probe.c_str());
    return true;
  }
  bool SetImmutable(bool on) const {
    const int folder = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY);
    if (folder < 0) return false;
    int flags = 0;
    bool done = ::ioctl(folder, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    done = done && ::ioctl(folder, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(folder);
    return done;
  }

  std::string path_;
  bool immutable_ = false;
  bool effective_ = false;
};
