#include "device/ProgrammerLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace {

// 0 when the open file is a plain file of this user; otherwise why it is
// refused. Anyone may create files in a shared temporary folder, and a file
// another user made there could be held by them forever.
int RefusalOf(int descriptor) {
  struct stat file {};
  if (::fstat(descriptor, &file) != 0) return errno;
  if (!S_ISREG(file.st_mode) || file.st_uid != ::geteuid()) return EPERM;
  return 0;
}

}  // namespace

std::string ProgrammerLockPath(const std::optional<std::string>& runtimeFolder,
                               const std::string& temporaryFolder, unsigned userId) {
  // The runtime folder belongs to the user alone; a relative one is no runtime folder.
  if (runtimeFolder && runtimeFolder->starts_with('/')) {
    return (std::filesystem::path(*runtimeFolder) / "vantora-programmer.lock").string();
  }
  return (std::filesystem::path(temporaryFolder) /
          ("vantora-programmer-" + std::to_string(userId) + ".lock"))
      .string();
}

std::string ProgrammerLockPath() {
  const char* runtimeFolder = std::getenv("XDG_RUNTIME_DIR");
  std::error_code error;
  std::filesystem::path temporaryFolder = std::filesystem::temp_directory_path(error);
  if (error) temporaryFolder = "/tmp";
  return ProgrammerLockPath(
      runtimeFolder ? std::optional<std::string>(runtimeFolder) : std::nullopt,
      temporaryFolder.string(), ::geteuid());
}

ProgrammerLock::ProgrammerLock(std::string path) : path_(std::move(path)) {}

ProgrammerLock::~ProgrammerLock() {
  Release();
}

LockAttempt ProgrammerLock::TryTake() {
  if (Held()) return LockAttempt::Taken;
  // O_NOFOLLOW: a link planted under the lock's name is refused, not
  // followed to a file of the planter's choice. O_CLOEXEC: programs started
  // while the lock is held (a sound player, say) must not keep it alive.
  const int descriptor =
      ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, S_IRUSR | S_IWUSR);
  if (descriptor < 0) return Fail(errno);
  int error = RefusalOf(descriptor);
  if (error == 0) {
    if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
      descriptor_ = descriptor;
      error_ = 0;
      return LockAttempt::Taken;
    }
    error = errno;
  }
  ::close(descriptor);
  if (error == EWOULDBLOCK) return LockAttempt::InUse;
  return Fail(error);
}

LockAttempt ProgrammerLock::Take(Clock& clock, std::chrono::milliseconds patience,
                                 const std::function<void()>& onWaiting) {
  const std::int64_t deadline = clock.NowMilliseconds() + patience.count();
  LockAttempt attempt = TryTake();
  if (attempt == LockAttempt::InUse && onWaiting) onWaiting();
  while (attempt == LockAttempt::InUse) {
    const std::int64_t left = deadline - clock.NowMilliseconds();
    if (left <= 0) break;
    clock.Sleep(std::min(ProgrammerLockPollInterval, std::chrono::milliseconds(left)));
    attempt = TryTake();
  }
  return attempt;
}

void ProgrammerLock::Release() {
  if (!Held()) return;
  // Closing the only descriptor of the open file ends its lock.
  ::close(descriptor_);
  descriptor_ = -1;
}

LockAttempt ProgrammerLock::Fail(int error) {
  error_ = error;
  return LockAttempt::Failed;
}
