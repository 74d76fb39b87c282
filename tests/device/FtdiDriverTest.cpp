#include "device/FtdiDriver.h"

#include <gtest/gtest.h>

#include "device/DeviceLink.h"

// Test machines have no programmer and often no USB access at all: the driver
// must then list nothing rather than fail.
TEST(FtdiDriver, WithoutAProgrammerNothingIsFoundAndNothingIsOpened) {
  FtdiDriver driver;
  DeviceLink link(driver);
  EXPECT_EQ(link.FindProgrammer(), std::nullopt);
  link.Description = "QVT2";
  EXPECT_EQ(link.OpenLink(), LinkOpenFailed);
  EXPECT_EQ(link.Handle, 0u);
}

TEST(FtdiDriver, CallsWithoutHandleAreRefused) {
  FtdiDriver driver;
  std::uint8_t buffer[4] = {};
  std::size_t count = 99;
  EXPECT_EQ(driver.Write(0, buffer, count), DriverInvalidHandle);
  EXPECT_EQ(count, 0u);
  EXPECT_EQ(driver.Read(0, buffer, AnswerTimeout, count), DriverInvalidHandle);
  EXPECT_EQ(driver.Purge(0), DriverInvalidHandle);
  EXPECT_EQ(driver.Close(0), DriverInvalidHandle);
}
