#include "device/DeviceLink.h"

#include <gtest/gtest.h>

#include "device/SimulatedUnit.h"
#include "device/WireCommands.h"

TEST(FindProgrammer, TakesTheFirstEntryStartingWithQvt2Exactly) {
  EXPECT_EQ(FindProgrammerInList("QVT2"), "QVT2");
  EXPECT_EQ(FindProgrammerInList("qvt2 programmer"), std::nullopt);
  EXPECT_EQ(FindProgrammerInList("FT232R UART,QVT2 Vantora,QVT2 Other"), "QVT2 Vantora");
  EXPECT_EQ(FindProgrammerInList("Keyboard,QVT2-B,Mouse"), "QVT2-B");
  EXPECT_EQ(FindProgrammerInList("QVT,VT2,,QV"), std::nullopt);
  EXPECT_EQ(FindProgrammerInList(""), std::nullopt);
  EXPECT_EQ(FindProgrammerInList("Mouse,"), std::nullopt);
}

TEST(FindProgrammer, ReadsTheDriversDeviceList) {
  SimulatedUnit unit;
  DeviceLink link(unit);
  EXPECT_EQ(link.FindProgrammer(), SimulatedUnit::DefaultDescription);
  unit.Attach(false);
  EXPECT_EQ(link.FindProgrammer(), std::nullopt);
  EXPECT_EQ(unit.Traffic().ListCalls, 2);
}

class DeviceLinkTest : public ::testing::Test {
 protected:
  DeviceLinkTest() { link.Description = SimulatedUnit::DefaultDescription; }
  SimulatedUnit unit;
  DeviceLink link{unit};
};

TEST_F(DeviceLinkTest, OpenTwiceOpensAndPurgesOnce) {
  EXPECT_EQ(link.OpenLink(), LinkOpened);
  EXPECT_NE(link.Handle, 0u);
  EXPECT_EQ(link.OpenLink(), LinkAlreadyOpen);
  EXPECT_EQ(unit.Traffic().OpenCalls, 1);
  EXPECT_EQ(unit.Traffic().PurgeCalls, 1);
}

TEST_F(DeviceLinkTest, FailedOpenAndFailedPurgeHaveTheirCodes) {
  unit.FailOpen(true);
  EXPECT_EQ(link.OpenLink(), LinkOpenFailed);
  EXPECT_EQ(link.Handle, 0u);
  EXPECT_EQ(unit.Traffic().PurgeCalls, 0);

  unit.FailOpen(false);
  unit.FailPurge(true);
  EXPECT_EQ(link.OpenLink(), LinkPurgeFailed);
  EXPECT_NE(link.Handle, 0u) << "the handle stays stored and open";
}

TEST_F(DeviceLinkTest, CloseWithoutHandleCallsNothing) {
  EXPECT_EQ(link.CloseLink(), LinkWasNotOpen);
  EXPECT_EQ(unit.Traffic().CloseCalls, 0);
}

TEST_F(DeviceLinkTest, FailedCloseKeepsTheHandleForTheNextOpen) {
  link.OpenLink();
  unit.FailClose(true);
  EXPECT_EQ(link.CloseLink(), LinkCloseFailed);
  EXPECT_NE(link.Handle, 0u);
  EXPECT_EQ(link.OpenLink(), LinkAlreadyOpen);
  unit.FailClose(false);
  EXPECT_EQ(link.CloseLink(), LinkClosed);
  EXPECT_EQ(link.Handle, 0u);
}

TEST_F(DeviceLinkTest, TransfersWithoutHandleNeverReachTheDriver) {
  std::uint8_t bytes[4] = {CmdReadButtonCount, 0};
  EXPECT_EQ(link.SendBytes(std::span(bytes).first(2)).Status, DriverInvalidHandle);
  const LinkTransfer received = link.ReceiveBytes(bytes);
  EXPECT_EQ(received.Status, DriverInvalidHandle);
  EXPECT_EQ(received.Count, 0u);
  EXPECT_EQ(unit.Traffic().WriteCalls, 0);
  EXPECT_EQ(unit.Traffic().ReadCalls, 0);
}

TEST_F(DeviceLinkTest, SendAndReceiveAreOneDriverCallEach) {
  link.OpenLink();
  const std::uint8_t command[] = {CmdReadButtonCount, 0};
  EXPECT_EQ(link.SendBytes(command).Count, 2u);
  std::uint8_t answer[8] = {};
  const LinkTransfer received = link.ReceiveBytes(answer);
  EXPECT_EQ(received.Status, DriverOk);
  EXPECT_EQ(received.Count, 4u) << "a short answer returns what arrived";
  EXPECT_EQ(answer[0], AckByte);
  EXPECT_EQ(answer[3], 8);
  EXPECT_EQ(unit.Traffic().WriteCalls, 1);
  EXPECT_EQ(unit.Traffic().ReadCalls, 1);
}
