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
#include "support/TemporaryFolder.h"

namespace {

// The device thread on the simulated unit of --simulate, reached through a
// gate that can hold a request in the middle.
class DeviceThreadTest : public ::testing::Test {
 protected:
  ~DeviceThreadTest() override { gate.Open(); }  // a held request must not outlive the test

  // A job of one song that fits into the wide memory of the unit as last probed.
  ProgrammingJob OneSongJob(std::size_t size = 5000) {
    songs.Write("a.mp3", size);
    const std::vector<std::int64_t> sizes = {static_cast<std::int64_t>(size)};
    return {{{"a.mp3", songs.Directory(), sizes[0]}},
            1,
            holder.Status(),
            NoStoredProfileNumber,
            PackSounds(sizes, holder.Status())};
  }

  SongFolder songs;
  std::unique_ptr<SimulatedUnit> unit = SimulatedUnit::StandardUnit();
  GatedDriver gate{*unit};
  ManualClock clock;
  UnitStatusHolder holder;
  DeviceThread device{gate, clock, holder};
};

}  // namespace

TEST_F(DeviceThreadTest, EachProbeCompletesWithItsOwnSnapshotWhichReachesTheHolderFirst) {
  // Of three full probes, the second finds slot 0 silent.
  unit->InjectFault(CmdIdentifySlot, SimulatedFault::Silent, 0, 1, 1);
  std::vector<QFuture<ProbeReport>> probes;
  for (int probe = 0; probe < 3; ++probe) probes.push_back(device.RequestForceProbe());
  std::vector<int> seenByHolder;
  probes.back().then(&holder, [&](const ProbeReport&) {
    seenByHolder.push_back(holder.Status().MemoryCount);
  });
  ASSERT_TRUE(Completed(probes.back()));
  unit->Attach(false);
  probes.push_back(device.RequestProbe());
  ASSERT_TRUE(Completed(probes.back()));
  std::vector<bool> present;
  std::vector<int> memoryCounts;
  std::vector<std::string> programmers;
  for (const QFuture<ProbeReport>& probe : probes) {
    ASSERT_EQ(probe.resultCount(), 1) << "completed once";
    present.push_back(probe.result().Status.UnitPresent);
    memoryCounts.push_back(probe.result().Status.MemoryCount);
    programmers.push_back(probe.result().Programmer);
  }
  EXPECT_EQ(present, (std::vector<bool>{true, false, true, false}));
  EXPECT_EQ(memoryCounts, (std::vector<int>{2, 0, 2, 0}));
  const std::string listed = SimulatedUnit::DefaultDescription;
  EXPECT_EQ(programmers, (std::vector<std::string>{listed, listed, listed, ""}))
      << "a silent unit behind a listed programmer is told from a missing programmer";
  EXPECT_EQ(seenByHolder, std::vector<int>{2}) << "the holder has the status first";
  EXPECT_FALSE(holder.Status().UnitPresent);
}

TEST_F(DeviceThreadTest, AProbeRequestedDuringARunWaitsUntilTheRunHasEnded) {
  ASSERT_TRUE(Completed(device.RequestProbe()));
  QSignalSpy progress(&device, &DeviceThread::RunBytesMoved);
  gate.CloseAt(CmdReadMemory);
  const QFuture<ProgrammingResult> run = device.RequestProgramming(OneSongJob());
  ASSERT_TRUE(gate.WaitUntilReached());
  const QFuture<ProbeReport> probe = device.RequestForceProbe();
  QCoreApplication::processEvents();
  EXPECT_EQ(progress.count(), 2) << "the run's reports arrive while it goes on";
  EXPECT_FALSE(probe.isFinished()) << "no probe while the run holds the thread";

  gate.Open();
  ASSERT_TRUE(Completed(probe));
  ASSERT_TRUE(run.isFinished()) << "the run completes before the probe";
  EXPECT_EQ(run.result().Code, ProgrammingCode::Succeeded);
  std::vector<std::uint8_t> commands;  // the first byte of each, song data left out
  for (const auto& write : unit->Traffic().Writes)
    if (write.size() <= 16) commands.push_back(write[0]);
  // The header and five KiB of the song are read back.
  const std::vector<std::uint8_t> runCommands = {CmdBeginMemory,   CmdMemoryHeader, CmdSongEntry,
                                                 CmdWriteDataWide, CmdReadMemory,   CmdReadMemory,
                                                 CmdReadMemory,    CmdReadMemory,   CmdReadMemory,
                                                 CmdReadMemory,    CmdBeginMemory};
  ASSERT_EQ(commands.size(), 10 + runCommands.size() + 10) << "probe, run, probe";
  EXPECT_EQ(std::vector(commands.begin() + 10, commands.end() - 10), runCommands)
      << "the run's commands, no probe among them";
  EXPECT_EQ(commands.back(), CmdReadButtonCount);
}

TEST_F(DeviceThreadTest, AStoppedRunSendsNoFurtherPieceClosesTheLinkAndTheNextRunSucceeds) {
  ASSERT_TRUE(Completed(device.RequestProbe()));
  gate.CloseAt(CmdWriteDataWide);
  const QFuture<ProgrammingResult> run = device.RequestProgramming(OneSongJob(20000));
  ASSERT_TRUE(gate.WaitUntilReached());
  unit->ClearTraffic();
  device.StopProgramming();
  gate.Open();
  ASSERT_TRUE(Completed(run));
  EXPECT_EQ(run.result().Code, ProgrammingCode::Stopped);
  EXPECT_EQ(unit->Traffic().Writes.size(), 1u) << "the write command, and no piece after it";
  EXPECT_FALSE(unit->IsOpen());

  const QFuture<ProgrammingResult> again = device.RequestProgramming(OneSongJob(20000));
  ASSERT_TRUE(Completed(again));
  EXPECT_EQ(again.result().Code, ProgrammingCode::Succeeded);
}

TEST_F(DeviceThreadTest, StopLetsTheRequestInProgressEndAndDropsTheOthers) {
  gate.CloseAt(CmdReadVersion);
  const QFuture<ProbeReport> first = device.RequestProbe();
  ASSERT_TRUE(gate.WaitUntilReached());
  const QFuture<ProbeReport> second = device.RequestProbe();
  QSignalSpy stopped(&device, &DeviceThread::Stopped);
  device.Stop();
  const QFuture<ProbeReport> third = device.RequestForceProbe();
  gate.Open();
  ASSERT_TRUE(Arrived(stopped));
  ASSERT_TRUE(Completed(first));
  EXPECT_EQ(first.result().Status.MemoryCount, 2) << "the probe in progress reported its status";
  EXPECT_EQ(holder.Status().MemoryCount, 2);
  EXPECT_TRUE(Completed(second) && second.isCanceled());
  EXPECT_TRUE(third.isCanceled());
  EXPECT_EQ(unit->Traffic().ListCalls, 1) << "no later probe ran";
  EXPECT_FALSE(unit->IsOpen());
}

TEST_F(DeviceThreadTest, AProbeOfAnotherDeviceThreadDuringARunSendsNothingAndKeepsItsStatus) {
  const std::unique_ptr<SimulatedUnit> otherUnit = SimulatedUnit::StandardUnit();
  UnitStatusHolder otherHolder;
  DeviceThread other{*otherUnit, clock, otherHolder};
  ASSERT_TRUE(Completed(other.RequestProbe()));
  ASSERT_TRUE(Completed(device.RequestProbe()));
  QSignalSpy inUse(&other, &DeviceThread::ProgrammerInUse);
  otherUnit->ClearTraffic();

  gate.CloseAt(CmdReadMemory);
  const QFuture<ProgrammingResult> run = device.RequestProgramming(OneSongJob());
  ASSERT_TRUE(gate.WaitUntilReached());
  const QFuture<ProbeReport> skipped = other.RequestProbe();
  ASSERT_TRUE(Completed(skipped));
  EXPECT_TRUE(skipped.result().ProgrammerInUse);
  EXPECT_EQ(inUse.count(), 1);
  EXPECT_EQ(otherUnit->Traffic().ListCalls + otherUnit->Traffic().OpenCalls, 0)
      << "the programmer is not even looked for";
  EXPECT_TRUE(otherHolder.Status().UnitPresent) << "the status stays as it was";
  EXPECT_EQ(otherHolder.Status().MemoryCount, 2);

  gate.Open();
  ASSERT_TRUE(Completed(run));
  EXPECT_EQ(run.result().Code, ProgrammingCode::Succeeded);
  const QFuture<ProbeReport> after = other.RequestProbe();
  ASSERT_TRUE(Completed(after));
  EXPECT_FALSE(after.result().ProgrammerInUse) << "the lock went with the run";
}

TEST_F(DeviceThreadTest, ARunThatWaitsInVainForTheProgrammerEndsInUseWithoutSendingAByte) {
  ASSERT_TRUE(Completed(device.RequestProbe()));
  const std::unique_ptr<SimulatedUnit> otherUnit = SimulatedUnit::StandardUnit();
  UnitStatusHolder otherHolder;
  ManualClock otherClock;  // its waits pass at once
  DeviceThread patient{*otherUnit, otherClock, otherHolder, ProgrammerLockPath(),
                       ProgrammerLockPatience};
  QSignalSpy waiting(&patient, &DeviceThread::WaitingForProgrammer);

  gate.CloseAt(CmdReadMemory);
  const QFuture<ProgrammingResult> run = device.RequestProgramming(OneSongJob());
  ASSERT_TRUE(gate.WaitUntilReached());
  const QFuture<ProgrammingResult> refused = patient.RequestProgramming(OneSongJob());
  ASSERT_TRUE(Completed(refused));
  EXPECT_EQ(refused.result().Code, ProgrammingCode::ProgrammerInUse);
  EXPECT_EQ(waiting.count(), 1) << "said once, when the wait began";
  EXPECT_EQ(otherClock.Now, ProgrammerLockPatience.count()) << "it waited its whole patience";
  EXPECT_TRUE(otherUnit->Traffic().Writes.empty());
  gate.Open();
  ASSERT_TRUE(Completed(run));
}

TEST_F(DeviceThreadTest, ALockFileThatCannotBeMadeNeitherStopsTheProbeNorReadsAsInUse) {
  std::string lockPath;
  {
    TemporaryFolder runtime;
    lockPath = runtime.Path() + "vantora-programmer.lock";
  }  // the runtime folder is gone, as after the session that made it ended
  DeviceThread orphan{*unit, clock, holder, lockPath, ProgrammerLockPatience};
  QSignalSpy inUse(&orphan, &DeviceThread::ProgrammerInUse);
  QSignalSpy waiting(&orphan, &DeviceThread::WaitingForProgrammer);
  const QFuture<ProbeReport> probe = orphan.RequestProbe();
  ASSERT_TRUE(Completed(probe));
  EXPECT_FALSE(probe.result().ProgrammerInUse);
  EXPECT_EQ(probe.result().Status.MemoryCount, 2) << "probed all the same";
  const QFuture<ProgrammingResult> run = orphan.RequestProgramming(OneSongJob());
  ASSERT_TRUE(Completed(run));
  EXPECT_EQ(run.result().Code, ProgrammingCode::Succeeded);
  EXPECT_EQ(inUse.count() + waiting.count(), 0);
  EXPECT_FALSE(std::filesystem::exists(lockPath));
}
