#include "device/LoggingDriver.h"

#include <gtest/gtest.h>

#include <numeric>

#include "device/SimulatedUnit.h"
#include "device/UnitProbe.h"
#include "support/ManualClock.h"

namespace {

// Keeps what the device layer logs, at the levels it is told to want.
struct RecordingLog final : DeviceLog {
  bool Listening = true;
  std::vector<std::string> Lines;

  bool Wants(LogLevel level) const override { return Listening && level == LogLevel::Debug; }
  void Write(LogLevel, std::string_view message) override { Lines.emplace_back(message); }
};

class LoggingDriverTest : public ::testing::Test {
 protected:
  LoggingDriverTest() { unit.InstallMemory(0, 0x41); }

  SimulatedUnit unit;
  RecordingLog log;
  ManualClock clock;
  LoggingDriver logged{unit, log, clock};
  DeviceLink link{logged};
};

}  // namespace

TEST_F(LoggingDriverTest, AProbeLogsTheListTheOpenEveryCommandAndAnswerInHexAndTheClose) {
  UnitStatus status;
  UnitProbe(link, status).ProbeUnit();
  ASSERT_TRUE(status.UnitPresent);
  const std::vector<std::string> first(log.Lines.begin(), log.Lines.begin() + 5);
  EXPECT_EQ(first, (std::vector<std::string>{
                       "list: \"QVT2 Vantora Programmer (simulated)\"",
                       "open \"QVT2 Vantora Programmer (simulated)\": ok, interface claimed (0 ms)",
                       "purge: ok", "write 2 bytes: CD 00 (2 written, ok, 0 ms)",
                       "read 7 bytes within 500 ms: AC 00 00 BF 41 FF FF (7 arrived, ok, 0 ms)"}));
  EXPECT_EQ(log.Lines.back(), "close: ok");
  EXPECT_EQ(log.Lines.size(), 4 + 2 * 10) << "ten commands, each with its answer";
}

TEST_F(LoggingDriverTest, LargeTransfersShowTheirFirst32BytesFailuresTheirCauseSilenceNothing) {
  unit.ClaimElsewhere(true);
  DeviceHandle handle = 0;
  EXPECT_EQ(logged.Open("QVT2 Vantora Programmer (simulated)", handle), DriverDeviceBusy);
  EXPECT_EQ(log.Lines.back(),
            "open \"QVT2 Vantora Programmer (simulated)\": busy, claimed by another program (0 ms)");
  unit.ClaimElsewhere(false);
  link.Description = "QVT2 Vantora Programmer (simulated)";
  ASSERT_EQ(link.OpenLink(), LinkOpening::Opened);

  std::vector<std::uint8_t> data(100);
  std::iota(data.begin(), data.end(), std::uint8_t{0});
  link.SendBytes(data);
  EXPECT_EQ(log.Lines.back(),
            "write 100 bytes: 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13 14 15 "
            "16 17 18 19 1A 1B 1C 1D 1E 1F \u2026 (+68) (100 written, ok, 0 ms)");
  std::array<std::uint8_t, 9> answer{};
  link.ReceiveBytes(answer, std::chrono::milliseconds(20));
  EXPECT_EQ(log.Lines.back(), "read 9 bytes within 20 ms: nothing arrived (0 arrived, ok, 0 ms)");

  log.Listening = false;
  const std::size_t before = log.Lines.size();
  link.SendBytes(data);
  link.CloseLink();
  EXPECT_EQ(log.Lines.size(), before) << "nothing is written while no one listens";
}
