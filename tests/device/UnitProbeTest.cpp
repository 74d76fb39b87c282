#include "device/UnitProbe.h"

#include <gtest/gtest.h>

#include "device/SimulatedUnit.h"
#include "device/WireCommands.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
// Whether a probe found the unit: the page then reads "Programmer Ready".
constexpr bool Ready = true, NotFound = false;

// Every slot identified, then the version and the button count read.
const std::vector<Bytes> FullProbe = {{0xCD, 0}, {0xCD, 1}, {0xCD, 2}, {0xCD, 3}, {0xCD, 4},
                                      {0xCD, 5}, {0xCD, 6}, {0xCD, 7}, {0xC0, 0}, {0xC1, 0}};

// The unit with a 2 MiB memory in slot 0 and four buttons; the test keeps
// what each probe found.
class UnitProbeTest : public ::testing::Test {
 protected:
  UnitProbeTest() {
    unit.InstallMemory(0, 0x41);
    unit.SetButtonCount(4);
  }
  void ProbeUnit() {
    probe.ProbeUnit();
    found.push_back(status.UnitPresent);
  }
  void ForceProbe() {
    probe.ForceProbe();
    found.push_back(status.UnitPresent);
  }

  const std::vector<Bytes>& Sent() const { return unit.Traffic().Writes; }
  // Present, memories, buttons, version, total capacity and the profile number of slot 0.
  auto Summary() const {
    return std::tuple(status.UnitPresent, status.MemoryCount, status.ButtonCount,
                      status.FirmwareVersion, status.TotalCapacity(),
                      status.Slots[0].ProfileNumber);
  }
  static constexpr std::tuple Cleared{false, 0, 8, "", 0u, -1};

  SimulatedUnit unit;
  DeviceLink link{unit};
  UnitStatus status;
  std::vector<bool> found;
  UnitProbe probe{link, status};
};

}  // namespace

TEST_F(UnitProbeTest, FullProbeReadsEverySlotTheVersionAndTheButtonsThenCloses) {
  // Slot, device code, maker and stored profile number; slot 1 stays empty.
  const std::tuple<int, std::uint8_t, std::uint8_t, std::uint16_t> memories[] = {
      {0, 0x41, 0xBF, 7},      {2, 0x43, 0xBF, 0xFFFF}, {3, 0x41, 0x1F, 5},
      {4, 0x55, 0xBF, 0xFEFE}, {5, 0x44, 0xBF, 0xFEFF}, {6, 0x80, 0xBF, 0xFFFF},
      {7, 0x8E, 0xBF, 0xFFFF}};
  for (const auto& [slot, deviceCode, maker, number] : memories) {
    unit.InstallMemory(slot, deviceCode, maker);
    unit.SetStoredProfileNumber(slot, number);
  }
  ProbeUnit();
  EXPECT_EQ(Sent(), FullProbe);
  EXPECT_EQ(link.Handle, 0u);
  EXPECT_EQ(Summary(),
            std::tuple(true, 5, 4, "02.07", 2097151u + 262143u + 524287u + 2 * 1048575u, 7));
  using Fields = std::tuple<std::uint32_t, int, int, int, int>;
  const std::vector<Fields> expected = {{2097151, 0x41, 0xA4, 2, 7},  {0, 0, 0, 0, -1},
                                        {262143, 0x43, 0xA3, 1, -1},  {0, 0, 0, 0, 5},
                                        {0, 0, 0, 0, 65278},          {524287, 0x44, 0xA3, 1, -1},
                                        {1048575, 0x80, 0xA3, 1, -1}, {1048575, 0x8E, 0xA4, 2, -1}};
  std::vector<Fields> slots;
  for (const MemorySlot& s : status.Slots) {
    slots.emplace_back(s.Capacity, s.DeviceCode, s.WriteCommand, s.WriteWidth, s.ProfileNumber);
  }
  EXPECT_EQ(slots, expected);
  EXPECT_EQ(found, std::vector{Ready});
}

TEST_F(UnitProbeTest, TicksTalkToTheUnitOnlyUntilItIsKnownAndEveryMissClearsTheStatus) {
  ProbeUnit();
  unit.SetStoredProfileNumber(0, 12);
  unit.ClearTraffic();
  ProbeUnit();
  EXPECT_EQ(unit.Traffic().ListCalls, 1);
  EXPECT_TRUE(Sent().empty());
  ForceProbe();
  EXPECT_EQ(Sent(), FullProbe);
  EXPECT_EQ(status.Slots[0].ProfileNumber, 12);

  unit.ClearTraffic();
  unit.InjectFault(CmdIdentifySlot, SimulatedFault::Silent, 0, 1);
  ForceProbe();
  EXPECT_EQ(Sent(), std::vector<Bytes>{Bytes({0xCD, 0})}) << "no version or button query";
  EXPECT_EQ(link.Handle, 0u);
  EXPECT_EQ(Summary(), Cleared);

  ProbeUnit();
  unit.Attach(false);
  unit.ClearTraffic();
  ProbeUnit();
  EXPECT_EQ(unit.Traffic().OpenCalls, 0);
  EXPECT_EQ(Summary(), Cleared);
  unit.Attach(true);
  unit.FailOpen(true);
  ProbeUnit();
  EXPECT_FALSE(status.UnitPresent);
  EXPECT_EQ(found, (std::vector{Ready, Ready, Ready, NotFound, Ready, NotFound, NotFound}));
}

TEST_F(UnitProbeTest, AProgrammerClaimedByAnotherProgramLeavesTheStatusAsItWas) {
  ProbeUnit();
  unit.ClaimElsewhere(true);
  unit.ClearTraffic();
  ForceProbe();
  EXPECT_TRUE(probe.FoundProgrammerInUse());
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(Summary(), std::tuple(true, 1, 4, "02.07", 2097151u, -1))
      << "the unit is not reported gone";

  unit.ClaimElsewhere(false);
  ForceProbe();
  EXPECT_FALSE(probe.FoundProgrammerInUse());
  EXPECT_EQ(Sent(), FullProbe);
}

TEST_F(UnitProbeTest, BadSlotAnswersLeaveTheSlotAsItWas) {
  for (int slot : {1, 2, 3}) unit.InstallMemory(slot, 0x43);
  ProbeUnit();
  unit.InjectFault(CmdIdentifySlot, SimulatedFault::Short, 1, 1);
  unit.InjectFault(CmdIdentifySlot, SimulatedFault::Refused, 2, 1);
  unit.InjectFault(CmdIdentifySlot, SimulatedFault::Silent, 3, 1);
  ForceProbe();
  EXPECT_EQ(std::pair(status.UnitPresent, status.MemoryCount), std::pair(true, 1));
  for (int slot : {1, 2, 3}) EXPECT_EQ(status.Slots[slot].DeviceCode, 0x43) << slot;

  unit.ClearTraffic();
  unit.InjectFault(CmdIdentifySlot, SimulatedFault::Refused);
  ForceProbe();
  EXPECT_EQ(Sent(), FullProbe) << "only a silent slot 0 ends the probe early";
  EXPECT_EQ(Summary(), Cleared);
}

TEST_F(UnitProbeTest, ButtonCountAndVersionWithoutAGoodAnswer) {
  unit.InstallMemory(0, 0x41, 0x1F);
  unit.SetButtonCount(200);
  ProbeUnit();
  EXPECT_EQ(Summary(), std::tuple(true, 0, 8, "02.07", 0u, -1))
      << "another maker's chip alone is a unit; more than eight buttons are eight";
  unit.SetButtonCount(std::nullopt);
  unit.InjectFault(CmdReadVersion, SimulatedFault::Refused, std::nullopt, 1);
  ForceProbe();
  EXPECT_EQ(std::pair(status.ButtonCount, status.FirmwareVersion), std::pair(2, std::string()));
  unit.SetButtonCount(3);
  unit.InjectFault(CmdReadButtonCount, SimulatedFault::Short);
  ForceProbe();
  EXPECT_EQ(status.ButtonCount, 2);
}

TEST(FirmwareVersion, NumbersOrCharacters) {
  EXPECT_EQ(FormatFirmwareVersion(0, 2, 0, 7), "02.07");
  EXPECT_EQ(FormatFirmwareVersion(1, 12, 0, 3), "112.03");
  EXPECT_EQ(FormatFirmwareVersion('0', '2', '0', '7'), "02.07");
  EXPECT_EQ(FormatFirmwareVersion(15, 255, 255, 0), "15255.2550");
}
