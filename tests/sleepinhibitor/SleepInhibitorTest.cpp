// The sleep inhibitor against a logind of the test's own on the private
// session bus that dbus-run-session gives the test program.
#include "sleepinhibitor/SleepInhibitor.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QDBusConnectionInterface>
#include <QDBusUnixFileDescriptor>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTest>
#include <filesystem>
#include <memory>

#include "device/SimulatedUnit.h"
#include "device/WireCommands.h"
#include "diagnostics/LogRouting.h"
#include "support/GatedDriver.h"
#include "support/ManualClock.h"
#include "support/ProfileFiles.h"
#include "support/SignalWait.h"
#include "support/SongFolder.h"

namespace {

// logind's Inhibit on a bus connection of its own: it hands out one end of
// a pipe for each inhibitor and sees it released when every copy of that end
// is closed.
class FakeLogind : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

 public:
  FakeLogind() : bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "logind")) {
    bus_.registerObject(QStringLiteral("/org/freedesktop/login1"), this,
                        QDBusConnection::ExportAllSlots);
    bus_.registerService(QStringLiteral("org.freedesktop.login1"));
  }
  ~FakeLogind() override {
    // Taken off the bus, and out of every connection the bus's thread may
    // still undo, before it goes: that thread must never reach it half destroyed.
    bus_.unregisterService(QStringLiteral("org.freedesktop.login1"));
    bus_.unregisterObject(QStringLiteral("/org/freedesktop/login1"));
    disconnect();
    QDBusConnection::disconnectFromBus(QStringLiteral("logind"));
    for (const int end : held_) ::close(end);
  }

  QStringList Asked;  // the arguments of the last Inhibit

 public slots:
  QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& who, const QString& why,
                                  const QString& mode) {
    Asked = {what, who, why, mode};
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) return {};
    held_.push_back(ends[0]);
    auto* notifier = new QSocketNotifier(ends[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this, notifier] {
      notifier->setEnabled(false);
      emit Released();
    });
    const QDBusUnixFileDescriptor handed(ends[1]);  // a copy of its own
    ::close(ends[1]);
    emit Taken();
    return handed;
  }

 signals:
  void Taken();
  // Every copy of an inhibitor's descriptor is closed.
  void Released();

 private:
  QDBusConnection bus_;
  std::vector<int> held_;
};

// The device thread on the simulated unit through a gate, with the
// inhibitor following its runs on the session bus.
class SleepInhibitorTest : public ::testing::Test {
 protected:
  SleepInhibitorTest() { EXPECT_TRUE(Completed(device.RequestProbe())); }
  ~SleepInhibitorTest() override { gate.Open(); }

  QFuture<ProgrammingResult> StartRun() {
    songs.Write("a.mp3", 5000);
    const std::vector<std::int64_t> sizes = {5000};
    return device.RequestProgramming({{{"a.mp3", songs.Directory(), 5000}},
                                      1,
                                      holder.Status(),
                                      NoStoredProfileNumber,
                                      PackSounds(sizes, holder.Status())});
  }

  SongFolder songs;
  std::unique_ptr<SimulatedUnit> unit = SimulatedUnit::StandardUnit();
  GatedDriver gate{*unit};
  ManualClock clock;
  UnitStatusHolder holder;
  DeviceThread device{gate, clock, holder};
  SleepInhibitor inhibitor{device, QDBusConnection::sessionBus()};
};

}  // namespace

TEST_F(SleepInhibitorTest, HeldWhileARunWritesTheUnitAndReleasedWhenItEnds) {
  FakeLogind logind;
  QSignalSpy taken(&logind, &FakeLogind::Taken);
  QSignalSpy released(&logind, &FakeLogind::Released);
  gate.CloseAt(CmdReadMemory);
  const QFuture<ProgrammingResult> run = StartRun();
  ASSERT_TRUE(gate.WaitUntilReached());
  ASSERT_TRUE(Arrived(taken));
  EXPECT_EQ(logind.Asked, (QStringList{"sleep", "Vantora Programmer",
                                       "Writing the door bell's memory", "block"}));
  ASSERT_TRUE(QTest::qWaitFor([this] { return inhibitor.Held(); }, 10000));
  EXPECT_EQ(released.count(), 0);
  gate.Open();
  ASSERT_TRUE(Completed(run));
  EXPECT_TRUE(run.result().Succeeded());
  EXPECT_TRUE(Arrived(released));
  EXPECT_FALSE(inhibitor.Held());
}

TEST_F(SleepInhibitorTest, ReleasedAfterARunThatFailedAndAfterOneThatWasStopped) {
  FakeLogind logind;
  QSignalSpy released(&logind, &FakeLogind::Released);
  unit->InjectFault(CmdBeginMemory, SimulatedFault::Refused, std::nullopt, 1);
  const QFuture<ProgrammingResult> failed = StartRun();
  ASSERT_TRUE(Completed(failed));
  EXPECT_EQ(failed.result().Code, ProgrammingCode::BeginMemoryRefused);
  ASSERT_TRUE(Arrived(released, 1)) << "after the failed run";

  gate.CloseAt(CmdReadMemory);
  const QFuture<ProgrammingResult> stopped = StartRun();
  ASSERT_TRUE(gate.WaitUntilReached());
  device.StopProgramming();
  gate.Open();
  ASSERT_TRUE(Completed(stopped));
  EXPECT_EQ(stopped.result().Code, ProgrammingCode::Stopped);
  EXPECT_TRUE(Arrived(released, 2)) << "after the stopped run";
}

TEST_F(SleepInhibitorTest, WithoutLogindTheRunGoesOnAndTheLogSaysSo) {
  const LogRouting logging;
  const QFuture<ProgrammingResult> run = StartRun();
  ASSERT_TRUE(Completed(run));
  EXPECT_TRUE(run.result().Succeeded());
  const auto warned = [&logging] {
    for (const std::string& line : logging.Record()) {
      if (line.find("vantora.run: warning: no sleep inhibitor: logind did not give one") !=
          std::string::npos) {
        return true;
      }
    }
    return false;
  };
  EXPECT_TRUE(QTest::qWaitFor(warned, 10000));
}

TEST(SleepInhibitorOfTheCommandLine, HeldForItsRunAndReleased) {
  FakeLogind logind;
  QSignalSpy taken(&logind, &FakeLogind::Taken);
  QSignalSpy released(&logind, &FakeLogind::Released);
  const TemporaryFolder folder;
  std::filesystem::create_directory(folder.Path() + "Profiles");
  std::filesystem::copy_file(VANTORA_PROGRAM, folder.Path() + "vantora-programmer");
  SongFolder songs;
  songs.Write("a.wav", 5000);
  WriteFile(folder.Path() + "Profiles/Hall.qvt", ProfileText(7, {{songs.Directory() + "a.wav"}}));

  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  // The program's system bus is the test's session bus, where the fake lives.
  environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
                     environment.value(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")));
  program.setProcessEnvironment(environment);
  program.start(QString::fromStdString(folder.Path() + "vantora-programmer"),
                {"--simulate", "--program", "Hall"});
  ASSERT_TRUE(Arrived(taken)) << program.readAllStandardError().toStdString();
  EXPECT_EQ(logind.Asked.at(2), "Writing the door bell's memory");
  EXPECT_TRUE(Arrived(released));
  // It may have ended while the test waited for the release.
  ASSERT_TRUE(program.state() == QProcess::NotRunning || program.waitForFinished(60000));
  EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
}

#include "SleepInhibitorTest.moc"
