#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <future>

#include "app/DisplayCheck.h"
#include "app/SingleInstance.h"

TEST(DisplayCheck, TheDesktopPlatformsNeedTheirDisplayAndOthersNone) {
  const QString none;
  const QString x11 = QStringLiteral(":0");
  const QString wayland = QStringLiteral("wayland-0");
  EXPECT_FALSE(DisplayFound(none, none, none));
  EXPECT_TRUE(DisplayFound(none, x11, none));
  EXPECT_TRUE(DisplayFound(none, none, wayland));
  EXPECT_FALSE(DisplayFound(QStringLiteral("xcb"), none, wayland));
  EXPECT_FALSE(DisplayFound(QStringLiteral("wayland-egl"), x11, none));
  EXPECT_TRUE(DisplayFound(QStringLiteral("wayland;xcb"), x11, none)) << "tried in turn";
  EXPECT_TRUE(DisplayFound(QStringLiteral("xcb:nograb"), x11, none));
  for (const char* platform : {"offscreen", "minimal", "vnc:size=800x600", "linuxfb"})
    EXPECT_TRUE(DisplayFound(QString::fromLatin1(platform), none, none)) << platform;
}

namespace {

// The socket file that windows leave behind when they crash: nobody listens.
void LeaveStaleSocket(const QString& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  path.toLocal8Bit().toStdString().copy(address.sun_path, sizeof address.sun_path - 1);
  const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_EQ(::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(socket);
}

}  // namespace

TEST(SingleInstance, ALaterStartHandsItsFileToTheFirstOnceTheCrashedOnesSocketIsReplaced) {
  QTemporaryDir runtime;
  const QString name = runtime.filePath(QStringLiteral("windows.socket"));
  LeaveStaleSocket(name);

  SingleInstance first(name);
  ASSERT_EQ(first.Begin(QString()), SingleInstance::Start::First);
  QSignalSpy requested(&first, &SingleInstance::Requested);
  // A later start runs in a process of its own; a thread waits for the answer here.
  const auto later = [&name](const QString& file) {
    return std::async(std::launch::async, [&name, file] {
      SingleInstance instance(name);
      return instance.Begin(file);
    });
  };
  for (const QString& file : {QStringLiteral("/tmp/x/Porch.qvt"), QString()}) {
    std::future<SingleInstance::Start> start = later(file);
    ASSERT_TRUE(requested.wait(10000));
    EXPECT_EQ(requested.takeFirst().at(0).toString(), file);
    EXPECT_EQ(start.get(), SingleInstance::Start::HandedOver);
  }
}
