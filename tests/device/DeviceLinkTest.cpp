#include "device/DeviceLink.h"

#include <gtest/gtest.h>

#include "device/FtdiDriver.h"
#include "device/SimulatedUnit.h"
#include "device/WireCommands.h"

TEST(DeviceLink, FindsTheFirstEntryThatStartsWithQvt2Exactly) {
  EXPECT_EQ(FindProgrammerInList("QVT2"), "QVT2");
  EXPECT_EQ(FindProgrammerInList("qvt2 programmer"), std::nullopt);
  EXPECT_EQ(FindProgrammerInList("FT232R UART,QVT2 Vantora,QVT2 Other"), "QVT2 Vantora");
  EXPECT_EQ(FindProgrammerInList("QVT,VT2,,QV,x QVT2"), std::nullopt);
  EXPECT_EQ(FindProgrammerInList(""), std::nullopt);
}

TEST(DeviceLink, OpensPurgesAndClosesOnlyWhenItMust) {
  SimulatedUnit unit;
  DeviceLink link(unit);
  EXPECT_EQ(link.CloseLink(), LinkClosing::WasNotOpen);
  link.Description = *link.FindProgrammer();
  unit.FailOpen(true);
  EXPECT_EQ(link.OpenLink(), LinkOpening::OpenFailed);
  unit.FailOpen(false);
  EXPECT_EQ(link.OpenLink(), LinkOpening::Opened);
  EXPECT_EQ(link.OpenLink(), LinkOpening::AlreadyOpen);
  unit.FailClose(true);
  EXPECT_EQ(link.CloseLink(), LinkClosing::CloseFailed);
  EXPECT_EQ(link.OpenLink(), LinkOpening::AlreadyOpen) << "a failed close keeps the handle";
  unit.FailClose(false);
  EXPECT_EQ(link.CloseLink(), LinkClosing::Closed);
  EXPECT_EQ(link.Handle, 0u);
  unit.FailPurge(true);
  EXPECT_EQ(link.OpenLink(), LinkOpening::PurgeFailed);
  EXPECT_TRUE(link.Handle != 0 && unit.IsOpen()) << "the handle stays stored and open";
  const SimulatedTraffic& calls = unit.Traffic();
  EXPECT_EQ(std::tuple(calls.ListCalls, calls.OpenCalls, calls.PurgeCalls, calls.CloseCalls),
            std::tuple(1, 3, 2, 2));
}

TEST(DeviceLink, TransfersAreOneDriverCallEachAndNeedAHandle) {
  SimulatedUnit unit;
  unit.InstallMemory(0, 0x43);
  unit.SetStoredProfileNumber(0, 9);
  DeviceLink link(unit);
  const std::uint8_t command[] = {CmdReadButtonCount, 0};
  std::uint8_t answer[9] = {};
  EXPECT_EQ(link.SendBytes(command).Status, DriverInvalidHandle);
  EXPECT_EQ(link.ReceiveBytes(answer).Status, DriverInvalidHandle);
  EXPECT_EQ(unit.Traffic().WriteCalls + unit.Traffic().ReadCalls, 0);

  link.Description = SimulatedUnit::DefaultDescription;
  link.OpenLink();
  EXPECT_EQ(link.SendBytes(command).Count, 2u);
  EXPECT_EQ(link.ReceiveBytes(answer).Count, 4u) << "a short answer returns what arrived";
  EXPECT_EQ(std::pair(answer[0], answer[3]), std::pair(AckByte, std::uint8_t{8}));
  EXPECT_EQ(unit.Traffic().WriteCalls + unit.Traffic().ReadCalls, 2);

  // Data announced for a memory that is not there is taken in, never run as commands.
  const std::uint8_t announce[] = {CmdWriteDataNarrow, 3, 0, 0, 0, 2, 0, 0};
  const std::uint8_t data[] = {CmdBeginMemory, 0};
  link.SendBytes(announce);
  link.SendBytes(data);
  EXPECT_EQ(link.ReceiveBytes(answer).Count, 9u);
  EXPECT_NE(answer[0], AckByte);
  EXPECT_EQ(unit.MemoryImage(0)->At(14), 9) << "memory 0 was not erased";
}

// Test machines have no programmer and often no USB access at all.
TEST(FtdiDriver, WithoutAProgrammerFindsNothingAndRefusesHandleZero) {
  FtdiDriver driver;
  DeviceLink link(driver);
  EXPECT_EQ(link.FindProgrammer(), std::nullopt);
  link.Description = "QVT2";
  EXPECT_EQ(link.OpenLink(), LinkOpening::OpenFailed);
  std::uint8_t buffer[4] = {};
  std::size_t count = 99;
  EXPECT_EQ(driver.Write(0, buffer, count), DriverInvalidHandle);
  EXPECT_EQ(count, 0u);
  EXPECT_EQ(driver.Read(0, buffer, AnswerTimeout, count), DriverInvalidHandle);
  EXPECT_EQ(driver.Purge(0), DriverInvalidHandle);
  EXPECT_EQ(driver.Close(0), DriverInvalidHandle);
}
