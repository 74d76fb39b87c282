#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "device/Clock.h"

// What an attempt to take the programmer lock found.
enum class LockAttempt {
  Taken,  // this object holds the lock now
  InUse,  // another lock object holds it, in this process or another
  Failed  // the lock file could not be opened or locked: see Error()
};

// How long the command line waits for another program's use of the link to end.
constexpr std::chrono::milliseconds ProgrammerLockPatience{30000};
// How often a waiting take tries again.
constexpr std::chrono::milliseconds ProgrammerLockPollInterval{100};

// The lock file of this user: in the runtime folder when there is one (an
// absolute path), otherwise in the temporary folder with the user id in its
// name, so that two users never share it.
std::string ProgrammerLockPath(const std::optional<std::string>& runtimeFolder,
                               const std::string& temporaryFolder, unsigned userId);
// The same from $XDG_RUNTIME_DIR, the system's temporary folder and this user.
std::string ProgrammerLockPath();

// The exclusive per-user lock that every use of the programmer link holds
// from open to close, so that two programs never talk to the programmer at
// once. Each object opens the lock file on a descriptor of its own and locks
// it with flock(), whose lock belongs to that open file: two objects exclude
// each other even in one process. The lock goes with the descriptor, so it
// ends with the object or with the process, however that ends. The file
// itself stays: removing a lock file races with whoever opens it next.
class ProgrammerLock {
 public:
  explicit ProgrammerLock(std::string path = ProgrammerLockPath());
  ~ProgrammerLock();
  ProgrammerLock(const ProgrammerLock&) = delete;
  ProgrammerLock& operator=(const ProgrammerLock&) = delete;

  // Takes the lock if it is free now; Taken also when this object holds it.
  LockAttempt TryTake();
  // Takes the lock, waiting for it through `clock` until `patience` has
  // passed; `onWaiting` is called once, when the wait begins.
  LockAttempt Take(Clock& clock, std::chrono::milliseconds patience,
                   const std::function<void()>& onWaiting = {});
  void Release();

  bool Held() const { return descriptor_ >= 0; }
  const std::string& Path() const { return path_; }
  // The errno of the last attempt that failed.
  int Error() const { return error_; }

 private:
  LockAttempt Fail(int error);

  std::string path_;
  int descriptor_ = -1;
  int error_ = 0;
};
