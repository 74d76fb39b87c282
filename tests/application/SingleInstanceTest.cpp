#include "application/SingleInstance.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <unistd.h>

#include <array>
#include <cstring>

#include "support/TemporaryFolder.h"

namespace {

constexpr uid_t AnotherUser = 65534;

// A socket listening at `path` whose peer, as connecting clients see it, is
// another user: it listens while this thread alone acts as that user.
int ListenAsAnotherUser(const std::string& path) {
  const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
  if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return -1;
  // The raw call changes this thread's user only, not the test's other threads.
  if (::syscall(SYS_setresuid, -1, AnotherUser, -1) != 0) return -1;
  const int listening = ::listen(listener, 4);
  ::syscall(SYS_setresuid, -1, 0, -1);
  return listening == 0 ? listener : -1;
}

// The bytes that the first client to connect sent before it closed; none
// when no client came.
std::size_t BytesReceived(int listener) {
  const int client = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
  if (client < 0) return 0;
  std::array<char, 4096> bytes;
  const ssize_t received = ::read(client, bytes.data(), bytes.size());
  ::close(client);
  return received > 0 ? static_cast<std::size_t>(received) : 0;
}

}  // namespace

TEST(SingleInstance, AListenerOfAnotherUserIsNeverHandedTheFile) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can listen as another user";
  TemporaryFolder runtime;
  const std::string socket = runtime.Path() + "vantora-programmer.socket";
  const int stranger = ListenAsAnotherUser(socket);
  ASSERT_GE(stranger, 0) << std::strerror(errno);

  SingleInstance instance(QString::fromStdString(socket));
  EXPECT_EQ(instance.Begin(QStringLiteral("/home/ann/Porch.qvt")), SingleInstance::Start::First)
      << "these windows listen in its place";
  EXPECT_EQ(BytesReceived(stranger), 0u) << "not even the file's name";
  ::close(stranger);
}
