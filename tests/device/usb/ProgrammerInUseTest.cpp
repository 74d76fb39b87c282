// Two drivers at one programmer, as two programs would be: usbdevfs lets one
// open device node at a time claim the interface, and the driver tells a
// programmer in use apart from one that is not there.
#include <gtest/gtest.h>

#include <array>

#include "device/FtdiDriver.h"
#include "device/WireCommands.h"
#include "support/EmulatedProgrammer.h"

namespace {


class TwoDriversAtOneProgrammer : public ::testing::Test {
 protected:
  TwoDriversAtOneProgrammer() { programmer.Plug(); }

  // Lists the devices first, as the link does before each open.
  static DriverStatus Open(FtdiDriver& driver, DeviceHandle& handle) {
    EXPECT_EQ(driver.ListDevices(), ProgrammerString);
    return driver.Open(ProgrammerString, handle);
  }

  EmulatedUsbBus bus;
  EmulatedProgrammer programmer{bus, {0xA9D0, ProgrammerString, 2}, UnitModel::StandardUnit()};
  FtdiDriver first;
  FtdiDriver second;
  DeviceHandle firstHandle = 0;
  DeviceHandle secondHandle = 0;
};

}  // namespace

TEST_F(TwoDriversAtOneProgrammer, TheSecondOpenIsBusyWhileTheFirstHoldsTheProgrammer) {
  ASSERT_EQ(Open(first, firstHandle), DriverOk);
  EXPECT_EQ(Open(second, secondHandle), DriverDeviceBusy);
  EXPECT_EQ(secondHandle, 0u);

  // The refused open leaves the holder's link as it was.
  std::size_t written = 0;
  ASSERT_EQ(first.Write(firstHandle, std::array<std::uint8_t, 2>{CmdReadButtonCount, 0}, written),
            DriverOk);
  std::array<std::uint8_t, ReadButtonCountAnswerLength> answer{};
  std::size_t received = 0;
  EXPECT_EQ(first.Read(firstHandle, answer, AnswerTimeout, received), DriverOk);
  EXPECT_EQ(received, answer.size());
  EXPECT_EQ(answer[0], AckByte);
}

TEST_F(TwoDriversAtOneProgrammer, TheSecondOpensOnceTheFirstClosed) {
  ASSERT_EQ(Open(first, firstHandle), DriverOk);
  ASSERT_EQ(Open(second, secondHandle), DriverDeviceBusy);
  ASSERT_EQ(first.Close(firstHandle), DriverOk);
  EXPECT_EQ(Open(second, secondHandle), DriverOk);
  EXPECT_EQ(Open(first, firstHandle), DriverDeviceBusy) << "and now the first has to wait";
}

TEST_F(TwoDriversAtOneProgrammer, AClosedDeviceNodeFreesTheProgrammerWithoutARelease) {
  ASSERT_EQ(Open(first, firstHandle), DriverOk);
  programmer.FailInterfaceRelease(true);
  ASSERT_EQ(first.Close(firstHandle), DriverIoError);
  programmer.FailInterfaceRelease(false);
  EXPECT_EQ(Open(second, secondHandle), DriverOk);
}

TEST_F(TwoDriversAtOneProgrammer, AnOpenThatFailsForAnotherReasonIsNotBusy) {
  programmer.RefuseLatencyTimer(true);
  EXPECT_EQ(Open(first, firstHandle), DriverDeviceNotFound);
  first.ListDevices();
  programmer.Unplug();
  EXPECT_EQ(first.Open(ProgrammerString, firstHandle), DriverDeviceNotFound);
}
