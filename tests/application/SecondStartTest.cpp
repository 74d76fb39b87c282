// The built program started twice, as a user opens profile files from the
// file manager while the windows run: on the offscreen platform, with the
// simulated unit and a program folder of its own.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <functional>

#include "support/ProfileFiles.h"
#include "support/TemporaryFolder.h"

namespace {

class SecondStartTest : public ::testing::Test {
 protected:
  SecondStartTest() {
    std::filesystem::create_directory(Profiles());
    // The program finds Profiles/ beside itself; a link costs no copy.
    std::error_code linked;
    std::filesystem::create_hard_link(VANTORA_PROGRAM, program, linked);
    if (linked) std::filesystem::copy_file(VANTORA_PROGRAM, program);
  }
  ~SecondStartTest() override {
    for (QProcess* windows : {&first, &next}) {
      windows->kill();
      windows->waitForFinished();
    }
  }

  std::string Profiles() const { return folder.Path() + "Profiles/"; }
  void Start(QProcess& process, const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(runtime.Path()));
    process.setProcessEnvironment(environment);
    process.start(QString::fromStdString(program), arguments);
    ASSERT_TRUE(process.waitForStarted());
  }
  // Runs a later start to its end: its exit status.
  int RunToEnd(const QStringList& arguments, QByteArray* out = nullptr,
               QByteArray* err = nullptr) {
    QProcess process;
    Start(process, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << arguments.join(' ').toStdString();
    if (out) *out = process.readAllStandardOutput();
    if (err) *err = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  }
  // Waits for a change in the folder until the condition holds.
  static bool WaitInFolder(const std::string& path, const std::function<bool()>& holds) {
    QFileSystemWatcher watcher({QString::fromStdString(path)});
    QSignalSpy changed(&watcher, &QFileSystemWatcher::directoryChanged);
    while (!holds()) {
      if (!changed.wait(30000)) return false;
    }
    return true;
  }
  QString Socket() const {
    return QString::fromStdString(runtime.Path() + "vantora-programmer.socket");
  }
  // Windows take connections on their socket. A socket file alone may be
  // one that crashed windows left, and the file appears just before the
  // windows listen on it.
  bool Listening() const {
    return QTest::qWaitFor(
        [this] {
          QLocalSocket probe;
          probe.connectToServer(Socket());
          return probe.waitForConnected(1000);
        },
        30000);
  }
  bool Stored(const std::string& file) {
    return WaitInFolder(Profiles(), [&] { return std::filesystem::exists(Profiles() + file); });
  }

  TemporaryFolder folder;
  TemporaryFolder downloads;
  // The user's runtime folder as the programs see it, this test's own.
  TemporaryFolder runtime;
  const std::string program = folder.Path() + "vantora-programmer";
  QProcess first;
  QProcess next;
};

}  // namespace

TEST_F(SecondStartTest, ALaterStartHandsItsFileToTheRunningWindowsAndEndsWhileTheModesRunAlone) {
  Start(first, {"--simulate"});
  ASSERT_TRUE(Listening());

  const std::string porch = ProfileText(6, {{}});
  WriteFile(downloads.Path() + "Porch.qvt", porch);
  EXPECT_EQ(RunToEnd({QString::fromStdString(downloads.Path() + "Porch.qvt")}), 0);
  QByteArray said;
  EXPECT_EQ(RunToEnd({"--simulate"}, nullptr, &said), 0) << "nothing to hand over but the raising";
  EXPECT_EQ(said.toStdString(),
            "vantora-programmer: the windows already open keep their unit; --simulate takes "
            "effect only when no windows run\n");
  EXPECT_EQ(first.state(), QProcess::Running);
  ASSERT_TRUE(Stored("Porch.qvt")) << "copied in by the running windows";
  EXPECT_EQ(FileText(Profiles() + "Porch.qvt"), porch);

  QByteArray listed;
  EXPECT_EQ(RunToEnd({"--simulate", "--list"}, &listed), 0);
  EXPECT_TRUE(listed.contains("Porch")) << listed.toStdString();
  EXPECT_EQ(RunToEnd({"--version"}), 0);
  EXPECT_EQ(first.state(), QProcess::Running) << "the modes never go to the windows";
}

TEST_F(SecondStartTest, WindowsThatCrashedLeaveASocketThatTheNextStartTakesOver) {
  Start(first, {"--simulate"});
  ASSERT_TRUE(Listening());
  first.kill();
  ASSERT_TRUE(first.waitForFinished());
  ASSERT_TRUE(QFileInfo::exists(Socket())) << "left behind";
  QLocalSocket stale;
  stale.connectToServer(Socket());
  ASSERT_FALSE(stale.waitForConnected(1000)) << "nobody listens on it";

  Start(next, {"--simulate"});
  ASSERT_TRUE(Listening()) << "the next start listens in its place";
  WriteFile(downloads.Path() + "Garden.qvt", ProfileText(2, {{}}));
  EXPECT_EQ(RunToEnd({QString::fromStdString(downloads.Path() + "Garden.qvt")}), 0);
  EXPECT_TRUE(Stored("Garden.qvt"));
  EXPECT_EQ(next.state(), QProcess::Running);
}

// The windows answer a later start only from an event loop, which runs only
// once a file given to them is copied in or refused (with a box that has one
// of its own): after such an answer whatever the file did to the Profiles
// folder is done.
TEST_F(SecondStartTest, ANoteNamedLikeAProfileGivenAtTheStartIsRefusedAndNothingIsCopied) {
  const std::string note = downloads.Path() + "notes.qvt";
  WriteFile(note, "hello\n");
  Start(first, {"--simulate", QString::fromStdString(note)});
  ASSERT_TRUE(Listening());
  EXPECT_EQ(RunToEnd({}), 0);
  EXPECT_FALSE(std::filesystem::exists(Profiles() + "notes.qvt"));
  EXPECT_EQ(FileText(note), "hello\n");
}

TEST_F(SecondStartTest, ANoteNamedLikeAProfileHandedOverIsRefusedAndNothingIsCopied) {
  Start(first, {"--simulate"});
  ASSERT_TRUE(Listening());
  const std::string note = downloads.Path() + "notes.qvt";
  WriteFile(note, "hello");
  EXPECT_EQ(RunToEnd({QString::fromStdString(note)}), 0);
  // Its request was queued before these arrive.
  EXPECT_EQ(RunToEnd({}), 0);
  EXPECT_EQ(RunToEnd({}), 0);
  EXPECT_FALSE(std::filesystem::exists(Profiles() + "notes.qvt"));
}
