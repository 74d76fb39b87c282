#include "device/SimulatedUnit.h"

#include <gtest/gtest.h>

#include "device/DeviceLink.h"
#include "device/WireCommands.h"

TEST(SimulatedUnitTest, DataForAMemoryThatIsNotThereIsTakenInAndRefused) {
  SimulatedUnit unit;
  unit.InstallMemory(0, 0x43);
  unit.SetStoredProfileNumber(0, 9);
  DeviceLink link(unit);
  link.Description = SimulatedUnit::DefaultDescription;
  ASSERT_EQ(link.OpenLink(), LinkOpened);

  const std::uint8_t announce[] = {CmdWriteDataNarrow, 3, 0, 0, 0, 2, 0, 0};
  const std::uint8_t data[] = {CmdBeginMemory, 0};  // looks like a command, but is data
  link.SendBytes(announce);
  link.SendBytes(data);
  std::uint8_t answer[9] = {};
  EXPECT_EQ(link.ReceiveBytes(answer).Count, 9u);
  EXPECT_NE(answer[0], AckByte);
  EXPECT_EQ(unit.MemoryImage(0)->At(14), 9) << "memory 0 was not erased";
}
