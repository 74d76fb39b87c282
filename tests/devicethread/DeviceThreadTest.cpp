#include "devicethread/DeviceThread.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>

#include "device/SimulatedUnit.h"
#include "device/WireCommands.h"
#include "support/GatedDriver.h"
#include "support/ManualClock.h"
#include "support/SignalWait.h"
#include "support/SongFolder.h"

namespace {

// The device thread on the simulated unit of --simulate, reached through a
// gate that can hold a request in the middle.
class DeviceThreadTest : public ::testing::Test {
 protected:
  ~DeviceThreadTest() override { gate.Open(); }  // a held request must not outlive the test

  std::unique_ptr<SimulatedUnit> unit = SimulatedUnit::StandardUnit();
  GatedDriver gate{*unit};
  ManualClock clock;
  UnitStatusHolder holder;
  DeviceThread device{gate, clock, holder};
  QSignalSpy probed{&device, &DeviceThread::UnitProbed};
};

}  // namespace

TEST_F(DeviceThreadTest, SnapshotsArriveInTheOrderOfTheProbesAndReachTheHolderFirst) {
  // Of three full probes, the second finds slot 0 silent.
  unit->InjectFault(CmdIdentifySlot, SimulatedFault::Silent, 0, 1, 1);
  std::vector<ProgrammerLine> lines;
  std::vector<int> memoryCounts;
  std::vector<std::string> programmers;
  QObject::connect(
      &device, &DeviceThread::UnitProbed,
      [&](const UnitStatus& status, ProgrammerLine line, const std::string& programmer) {
        lines.push_back(line);
        memoryCounts.push_back(status.MemoryCount);
        programmers.push_back(programmer);
        EXPECT_EQ(holder.Status().MemoryCount, status.MemoryCount);
      });
  for (int probe = 0; probe < 3; ++probe) device.RequestForceProbe();
  ASSERT_TRUE(Arrived(probed, 3));
  unit->Attach(false);
  device.RequestProbe();
  ASSERT_TRUE(Arrived(probed, 4));
  using enum ProgrammerLine;
  EXPECT_EQ(lines, (std::vector<ProgrammerLine>{Ready, NotFound, Ready, NotFound}));
  EXPECT_EQ(memoryCounts, (std::vector<int>{2, 0, 2, 0}));
  const std::string listed = SimulatedUnit::DefaultDescription;
  EXPECT_EQ(programmers, (std::vector<std::string>{listed, listed, listed, ""}))
      << "a silent unit behind a listed programmer is told from a missing programmer";
}

TEST_F(DeviceThreadTest, AProbeRequestedDuringARunWaitsUntilTheRunHasEnded) {
  device.RequestProbe();
  ASSERT_TRUE(Arrived(probed));
  SongFolder songs;
  songs.Write("a.mp3", 5000);
  ProgrammingJob job{{{"a.mp3", songs.Directory(), 5000}}, 1, holder.Status()};
  QSignalSpy progress(&device, &DeviceThread::ProgressChanged);
  QSignalSpy ended(&device, &DeviceThread::ProgrammingEnded);
  gate.CloseAt(CmdReadMemory);
  device.RequestProgramming(job);
  ASSERT_TRUE(gate.WaitUntilReached());
  device.RequestForceProbe();
  QCoreApplication::processEvents();
  EXPECT_EQ(progress.count(), 2) << "the run's reports arrive while it goes on";
  EXPECT_EQ(probed.count(), 1) << "no probe while the run holds the thread";

  gate.Open();
  ASSERT_TRUE(Arrived(probed, 2));
  ASSERT_EQ(ended.count(), 1) << "the run's result comes before the probe's snapshot";
  EXPECT_EQ(ended.at(0).at(0).value<ProgrammingResult>().Code, ProgrammingSucceeded);
  std::vector<std::uint8_t> commands;  // the first byte of each, song data left out
  for (const auto& write : unit->Traffic().Writes)
    if (write.size() <= 16) commands.push_back(write[0]);
  ASSERT_EQ(commands.size(), 10 + 7 + 10u) << "probe, run, probe";
  EXPECT_EQ(
      std::vector(commands.begin() + 10, commands.begin() + 17),
      (std::vector<std::uint8_t>{CmdBeginMemory, CmdMemoryHeader, CmdSongEntry, CmdWriteDataWide,
                                 CmdReadMemory, CmdReadMemory, CmdBeginMemory}))
      << "the run's commands, no probe among them";
  EXPECT_EQ(commands.back(), CmdReadButtonCount);
}

TEST_F(DeviceThreadTest, StopLetsTheRequestInProgressEndAndDropsTheOthers) {
  gate.CloseAt(CmdReadVersion);
  device.RequestProbe();
  ASSERT_TRUE(gate.WaitUntilReached());
  device.RequestProbe();
  QSignalSpy stopped(&device, &DeviceThread::Stopped);
  device.Stop();
  device.RequestForceProbe();
  gate.Open();
  ASSERT_TRUE(Arrived(stopped));
  EXPECT_EQ(probed.count(), 1);
  EXPECT_EQ(holder.Status().MemoryCount, 2) << "the probe in progress reported its status";
  EXPECT_EQ(unit->Traffic().ListCalls, 1) << "no later probe ran";
  EXPECT_FALSE(unit->IsOpen());
}
