#include "device/UnitProbe.h"

#include <gtest/gtest.h>

#include "device/SimulatedUnit.h"
#include "device/WireCommands.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct ProgrammerLineLog : ProgrammerLineObserver {
  void ShowProgrammerLine(ProgrammerLine line) override { Lines.push_back(line); }
  std::vector<ProgrammerLine> Lines;
};

class UnitProbeTest : public ::testing::Test {
 protected:
  UnitProbeTest() { unit.InstallMemory(0, 0x41); }

  const std::vector<Bytes>& Sent() const { return unit.Traffic().Writes; }

  SimulatedUnit unit;
  DeviceLink link{unit};
  UnitStatus status;
  ProgrammerLineLog log;
  UnitProbe probe{link, status, log};
};

}  // namespace

TEST_F(UnitProbeTest, FullProbeReadsSlotsVersionAndButtonsThenCloses) {
  unit.SetStoredProfileNumber(0, 7);
  unit.InstallMemory(2, 0x43);
  unit.SetButtonCount(4);
  probe.ProbeUnit();

  const std::vector<Bytes> expected = {{0xCD, 0}, {0xCD, 1}, {0xCD, 2}, {0xCD, 3}, {0xCD, 4},
                                       {0xCD, 5}, {0xCD, 6}, {0xCD, 7}, {0xC0, 0}, {0xC1, 0}};
  EXPECT_EQ(Sent(), expected);
  EXPECT_EQ(link.Handle, 0u);
  EXPECT_EQ(link.Description, SimulatedUnit::DefaultDescription);
  EXPECT_TRUE(status.UnitPresent);
  EXPECT_EQ(status.MemoryCount, 2);
  EXPECT_EQ(status.ButtonCount, 4);
  EXPECT_EQ(status.FirmwareVersion, "02.07");
  EXPECT_EQ(status.Slots[0].Capacity, 2097151u);
  EXPECT_EQ(status.Slots[0].DeviceCode, 0x41);
  EXPECT_EQ(status.Slots[0].WriteCommand, 0xA4);
  EXPECT_EQ(status.Slots[0].WriteWidth, 2);
  EXPECT_EQ(status.Slots[0].ProfileNumber, 7);
  EXPECT_EQ(status.Slots[1].Capacity, 0u);
  EXPECT_EQ(status.Slots[1].ProfileNumber, -1) << "an empty slot reads erased flash";
  EXPECT_EQ(status.Slots[2].Capacity, 262143u);
  EXPECT_EQ(status.Slots[2].WriteCommand, 0xA3);
  EXPECT_EQ(status.Slots[2].WriteWidth, 1);
  EXPECT_EQ(status.TotalCapacity(), 2097151u + 262143u);
  EXPECT_EQ(log.Lines, std::vector{ProgrammerLine::Ready});
}

TEST_F(UnitProbeTest, TickWithUnitPresentOnlyListsDevices) {
  probe.ProbeUnit();
  unit.ClearTraffic();
  probe.ProbeUnit();
  EXPECT_EQ(unit.Traffic().ListCalls, 1);
  EXPECT_EQ(unit.Traffic().OpenCalls, 0);
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(log.Lines.back(), ProgrammerLine::Ready);
}

TEST_F(UnitProbeTest, ForceProbeReadsTheUnitAgain) {
  probe.ProbeUnit();
  unit.SetStoredProfileNumber(0, 12);
  unit.ClearTraffic();
  probe.ForceProbe();
  EXPECT_EQ(Sent().size(), 10u);
  EXPECT_EQ(status.Slots[0].ProfileNumber, 12);
}

TEST_F(UnitProbeTest, NoProgrammerListedClearsTheStatusWithoutOpening) {
  probe.ProbeUnit();
  unit.Attach(false);
  unit.ClearTraffic();
  probe.ProbeUnit();
  EXPECT_EQ(unit.Traffic().OpenCalls, 0);
  EXPECT_FALSE(status.UnitPresent);
  EXPECT_EQ(status.MemoryCount, 0);
  EXPECT_EQ(status.ButtonCount, 8);
  EXPECT_EQ(status.FirmwareVersion, "");
  EXPECT_EQ(status.TotalCapacity(), 0u);
  EXPECT_EQ(status.Slots[0].ProfileNumber, -1);
  EXPECT_EQ(log.Lines.back(), ProgrammerLine::NotFound);
}

TEST_F(UnitProbeTest, SilentSlotZeroEndsTheProbeWithoutFurtherQueries) {
  unit.InjectFault(CmdIdentifySlot, SimulatedFault::Silent, 0);
  probe.ProbeUnit();
  EXPECT_EQ(Sent(), std::vector<Bytes>{Bytes({0xCD, 0})});
  EXPECT_EQ(link.Handle, 0u);
  EXPECT_EQ(unit.Traffic().CloseCalls, 1);
  EXPECT_FALSE(status.UnitPresent);
  EXPECT_EQ(log.Lines, std::vector{ProgrammerLine::NotFound});
}

TEST_F(UnitProbeTest, FailedOpenEndsAsProgrammerNotFound) {
  unit.FailOpen(true);
  probe.ProbeUnit();
  EXPECT_FALSE(status.UnitPresent);
  EXPECT_EQ(log.Lines, std::vector{ProgrammerLine::NotFound});
}

TEST_F(UnitProbeTest, SlotAnswersDecideCapacityAndProfileNumber) {
  unit.InstallMemory(1, 0x80);
  unit.InstallMemory(2, 0x8E);
  unit.InstallMemory(3, 0x41, 0x1F);  // another maker's chip
  unit.SetStoredProfileNumber(3, 5);
  unit.InstallMemory(4, 0x55);  // unknown device code
  unit.SetStoredProfileNumber(4, 0xFEFE);
  unit.InstallMemory(5, 0x44);
  unit.SetStoredProfileNumber(5, 0xFEFF);
  probe.ProbeUnit();

  EXPECT_EQ(status.Slots[1].Capacity, 1048575u);
  EXPECT_EQ(status.Slots[1].WriteCommand, 0xA3);
  EXPECT_EQ(status.Slots[1].WriteWidth, 1);
  EXPECT_EQ(status.Slots[2].Capacity, 1048575u);
  EXPECT_EQ(status.Slots[2].WriteCommand, 0xA4);
  EXPECT_EQ(status.Slots[2].WriteWidth, 2);
  EXPECT_EQ(status.Slots[3].Capacity, 0u);
  EXPECT_EQ(status.Slots[3].DeviceCode, 0);
  EXPECT_EQ(status.Slots[3].ProfileNumber, 5);
  EXPECT_EQ(status.Slots[4].Capacity, 0u);
  EXPECT_EQ(status.Slots[4].ProfileNumber, 65278);
  EXPECT_EQ(status.Slots[5].Capacity, 524287u);
  EXPECT_EQ(status.Slots[5].ProfileNumber, -1);
  EXPECT_EQ(status.MemoryCount, 4);
}

TEST_F(UnitProbeTest, ForeignChipAloneStillMakesTheUnitPresent) {
  unit.InstallMemory(0, 0x41, 0x1F);
  probe.ProbeUnit();
  EXPECT_TRUE(status.UnitPresent);
  EXPECT_EQ(status.MemoryCount, 0);
  EXPECT_EQ(status.TotalCapacity(), 0u);
}

TEST_F(UnitProbeTest, BadSlotAnswersLeaveTheSlotAsItWas) {
  unit.InstallMemory(1, 0x43);
  unit.InstallMemory(2, 0x43);
  unit.InstallMemory(3, 0x43);
  unit.InjectFault(CmdIdentifySlot, SimulatedFault::Short, 1);
  unit.InjectFault(CmdIdentifySlot, SimulatedFault::Refused, 2);
  unit.InjectFault(CmdIdentifySlot, SimulatedFault::Silent, 3);
  probe.ProbeUnit();
  EXPECT_TRUE(status.UnitPresent);
  EXPECT_EQ(status.MemoryCount, 1);
  for (int slot : {1, 2, 3}) EXPECT_EQ(status.Slots[slot].Capacity, 0u) << slot;
}

TEST_F(UnitProbeTest, OnlyABadSlotZeroAnswerMeansNoUnit) {
  unit.InjectFault(CmdIdentifySlot, SimulatedFault::Refused);
  probe.ProbeUnit();
  EXPECT_EQ(Sent().size(), 10u);
  EXPECT_FALSE(status.UnitPresent);
  EXPECT_EQ(status.ButtonCount, 8);
  EXPECT_EQ(log.Lines, std::vector{ProgrammerLine::NotFound});
}

TEST_F(UnitProbeTest, ButtonCountWithoutAnswerIsTwoAndAboveEightIsEight) {
  unit.SetButtonCount(std::nullopt);
  probe.ProbeUnit();
  EXPECT_EQ(status.ButtonCount, 2);

  unit.SetButtonCount(200);
  probe.ForceProbe();
  EXPECT_EQ(status.ButtonCount, 8);

  unit.SetButtonCount(3);
  unit.InjectFault(CmdReadButtonCount, SimulatedFault::Short);
  probe.ForceProbe();
  EXPECT_EQ(status.ButtonCount, 2);
}

TEST_F(UnitProbeTest, VersionIsEmptyWithoutAGoodAnswer) {
  unit.InjectFault(CmdReadVersion, SimulatedFault::Refused, std::nullopt, 1);
  probe.ProbeUnit();
  EXPECT_EQ(status.FirmwareVersion, "");
  probe.ForceProbe();
  EXPECT_EQ(status.FirmwareVersion, "02.07");
}

TEST(FirmwareVersion, NumbersOrCharacters) {
  EXPECT_EQ(FormatFirmwareVersion(0, 2, 0, 7), "02.07");
  EXPECT_EQ(FormatFirmwareVersion(1, 12, 0, 3), "112.03");
  EXPECT_EQ(FormatFirmwareVersion('0', '2', '0', '7'), "02.07");
  EXPECT_EQ(FormatFirmwareVersion(15, 255, 255, 0), "15255.2550");
}
