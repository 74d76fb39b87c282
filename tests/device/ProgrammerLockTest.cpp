#include "device/ProgrammerLock.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "support/ManualClock.h"
#include "support/TemporaryFolder.h"

extern char** environ;

namespace {

using std::chrono::milliseconds;

class ProgrammerLockTest : public ::testing::Test {
 protected:
  TemporaryFolder folder;
  const std::string path = folder.Path() + "vantora-programmer.lock";
  ManualClock clock;
};

}  // namespace

TEST(ProgrammerLockPath, LiesInTheRuntimeFolderWhenThereIsOne) {
  EXPECT_EQ(ProgrammerLockPath("/run/user/1000", "/tmp", 1000),
            "/run/user/1000/vantora-programmer.lock");
}

TEST(ProgrammerLockPath, WithoutARuntimeFolderNamesTheUserInTheTemporaryFolder) {
  for (const std::optional<std::string>& runtimeFolder :
       {std::optional<std::string>(), std::optional<std::string>(""),
        std::optional<std::string>("run/user/1000")}) {
    EXPECT_EQ(ProgrammerLockPath(runtimeFolder, "/var/tmp", 1000),
              "/var/tmp/vantora-programmer-1000.lock")
        << runtimeFolder.value_or("(none)");
  }
  EXPECT_NE(ProgrammerLockPath(std::nullopt, "/tmp", 1000),
            ProgrammerLockPath(std::nullopt, "/tmp", 1001));
}

TEST_F(ProgrammerLockTest, TwoLocksOfOneProcessExcludeEachOther) {
  ProgrammerLock first(path);
  ProgrammerLock second(path);
  EXPECT_EQ(first.TryTake(), LockAttempt::Taken);
  EXPECT_EQ(second.TryTake(), LockAttempt::InUse);
  EXPECT_EQ(first.TryTake(), LockAttempt::Taken) << "the holder may ask again";
  EXPECT_TRUE(first.Held());
  EXPECT_FALSE(second.Held());
}

TEST_F(ProgrammerLockTest, AReleasedLockIsTakenByTheNext) {
  ProgrammerLock first(path);
  ProgrammerLock second(path);
  ASSERT_EQ(first.TryTake(), LockAttempt::Taken);
  first.Release();
  EXPECT_FALSE(first.Held());
  EXPECT_EQ(second.TryTake(), LockAttempt::Taken);
  EXPECT_EQ(first.TryTake(), LockAttempt::InUse);
}

TEST_F(ProgrammerLockTest, TheLockEndsWithTheObjectThatHeldIt) {
  {
    ProgrammerLock held(path);
    ASSERT_EQ(held.TryTake(), LockAttempt::Taken);
  }
  ProgrammerLock next(path);
  EXPECT_EQ(next.TryTake(), LockAttempt::Taken);
}

TEST_F(ProgrammerLockTest, ALockHeldByAnotherProcessIsInUseUntilThatProcessEnds) {
  int toHolder[2];
  int fromHolder[2];
  ASSERT_EQ(::pipe(toHolder), 0);
  ASSERT_EQ(::pipe(fromHolder), 0);
  const pid_t holder = ::fork();
  ASSERT_GE(holder, 0);
  if (holder == 0) {
    // Takes the lock, says so, and ends without releasing it once the test lets go.
    ::close(toHolder[1]);
    ::close(fromHolder[0]);
    ProgrammerLock held(path);
    const char taken = held.TryTake() == LockAttempt::Taken ? 'T' : 'F';
    char end = 0;
    if (::write(fromHolder[1], &taken, 1) != 1 || ::read(toHolder[0], &end, 1) < 0) ::_exit(1);
    ::_exit(0);
  }
  ::close(toHolder[0]);
  ::close(fromHolder[1]);
  char taken = 0;
  EXPECT_EQ(::read(fromHolder[0], &taken, 1), 1);
  EXPECT_EQ(taken, 'T');
  ProgrammerLock lock(path);
  EXPECT_EQ(lock.TryTake(), LockAttempt::InUse);

  ::close(toHolder[1]);
  int status = 0;
  ASSERT_EQ(::waitpid(holder, &status, 0), holder);
  EXPECT_EQ(lock.TryTake(), LockAttempt::Taken);
  ::close(fromHolder[0]);
}

TEST_F(ProgrammerLockTest, AProgramStartedWhileTheLockIsHeldDoesNotKeepIt) {
  ProgrammerLock holder(path);
  ASSERT_EQ(holder.TryTake(), LockAttempt::Taken);
  // `cat` runs until its input closes; it would inherit every descriptor
  // that is not closed on exec.
  int input[2];
  ASSERT_EQ(::pipe2(input, O_CLOEXEC), 0);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
  char name[] = "cat";
  char* arguments[] = {name, nullptr};
  pid_t started = 0;
  ASSERT_EQ(::posix_spawnp(&started, name, &actions, nullptr, arguments, environ), 0);
  posix_spawn_file_actions_destroy(&actions);

  holder.Release();
  ProgrammerLock next(path);
  EXPECT_EQ(next.TryTake(), LockAttempt::Taken);

  ::close(input[0]);
  ::close(input[1]);
  int status = 0;
  EXPECT_EQ(::waitpid(started, &status, 0), started);
}

TEST_F(ProgrammerLockTest, TheFileIsMadeForTheUserAloneWhateverTheUmask) {
  const mode_t previous = ::umask(0);
  ProgrammerLock lock(path);
  const LockAttempt attempt = lock.TryTake();
  ::umask(previous);
  ASSERT_EQ(attempt, LockAttempt::Taken);
  struct stat file {};
  ASSERT_EQ(::stat(path.c_str(), &file), 0);
  EXPECT_TRUE(S_ISREG(file.st_mode));
  EXPECT_EQ(file.st_mode & 07777, 0600u);
}

TEST_F(ProgrammerLockTest, TheFileStaysWhenTheLockIsReleased) {
  ProgrammerLock lock(path);
  ASSERT_EQ(lock.TryTake(), LockAttempt::Taken);
  lock.Release();
  EXPECT_TRUE(std::filesystem::is_regular_file(path));
}

TEST_F(ProgrammerLockTest, ALinkPlantedUnderItsNameIsNotFollowed) {
  const std::string target = folder.Path() + "chosen-by-someone-else";
  std::filesystem::create_symlink(target, path);
  ProgrammerLock lock(path);
  EXPECT_EQ(lock.TryTake(), LockAttempt::Failed);
  EXPECT_EQ(lock.Error(), ELOOP);
  EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(ProgrammerLockTest, AFileOfAnotherUserIsRefused) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
  WriteFile(path, "");
  ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
  ASSERT_EQ(::chown(path.c_str(), 12345, 12345), 0);
  ProgrammerLock lock(path);
  EXPECT_EQ(lock.TryTake(), LockAttempt::Failed);
  EXPECT_EQ(lock.Error(), EPERM);
}

TEST_F(ProgrammerLockTest, AMissingFolderFailsWithItsError) {
  ProgrammerLock lock(folder.Path() + "gone/vantora-programmer.lock");
  EXPECT_EQ(lock.TryTake(), LockAttempt::Failed);
  EXPECT_EQ(lock.Error(), ENOENT);
}

TEST_F(ProgrammerLockTest, AFreeLockIsTakenWithoutWaiting) {
  ProgrammerLock lock(path);
  int waits = 0;
  EXPECT_EQ(lock.Take(clock, ProgrammerLockPatience, [&waits] { ++waits; }), LockAttempt::Taken);
  EXPECT_EQ(waits, 0);
  EXPECT_TRUE(clock.Sleeps.empty());
}

TEST_F(ProgrammerLockTest, AWaitingTakeGetsTheLockOnceItsHolderLetsGo) {
  ProgrammerLock holder(path);
  ASSERT_EQ(holder.TryTake(), LockAttempt::Taken);
  clock.OnSleep = [&](milliseconds) {
    if (clock.Sleeps.size() == 2) holder.Release();
  };
  ProgrammerLock waiting(path);
  int waits = 0;
  EXPECT_EQ(waiting.Take(clock, ProgrammerLockPatience, [&waits] { ++waits; }), LockAttempt::Taken);
  EXPECT_EQ(waits, 1);
  EXPECT_EQ(clock.Sleeps, std::vector<milliseconds>(3, ProgrammerLockPollInterval));
}

TEST_F(ProgrammerLockTest, AWaitingTakeGivesUpAtItsDeadline) {
  ProgrammerLock holder(path);
  ASSERT_EQ(holder.TryTake(), LockAttempt::Taken);
  ProgrammerLock waiting(path);
  int waits = 0;
  clock.Now = 5000;
  EXPECT_EQ(waiting.Take(clock, milliseconds(250), [&waits] { ++waits; }), LockAttempt::InUse);
  EXPECT_EQ(waits, 1);
  EXPECT_EQ(clock.Sleeps,
            (std::vector<milliseconds>{milliseconds(100), milliseconds(100), milliseconds(50)}));
  EXPECT_FALSE(waiting.Held());
}

TEST_F(ProgrammerLockTest, ATakeThatFailsDoesNotWait) {
  ProgrammerLock lock(folder.Path() + "gone/vantora-programmer.lock");
  int waits = 0;
  EXPECT_EQ(lock.Take(clock, ProgrammerLockPatience, [&waits] { ++waits; }), LockAttempt::Failed);
  EXPECT_EQ(waits, 0);
  EXPECT_TRUE(clock.Sleeps.empty());
}
