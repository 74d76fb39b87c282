// The libftdi1 driver through libusb and usbdevfs, against an emulated
// programmer in umockdev's test bed (the program runs under umockdev-wrapper).
#include "device/FtdiDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "device/ForwardingDriver.h"
#include "device/ProgrammingSequence.h"
#include "device/SimulatedUnit.h"
#include "device/UnitProbe.h"
#include "support/EmulatedProgrammer.h"
#include "support/ManualClock.h"
#include "support/SongFolder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Request = EmulatedProgrammer::VendorRequest;
using std::chrono::milliseconds;

// A product id outside libftdi1's stock list.
constexpr std::uint16_t ProgrammerProductId = 0xA9D0;
constexpr Request LatencyTimerAt1Ms{0x09, 1};
constexpr Request PurgeBytesFromTheHost{0x00, 1};
constexpr Request PurgeBytesForTheHost{0x00, 2};

struct Quiet final : ProgrammingObserver {
  void PhaseBegun(RunPhase, int) override {}
  void BytesMoved(std::uint64_t, std::uint64_t) override {}
  void ProgrammerLost() override {}
};

// The emulated programmer with the --simulate unit behind it, an unrelated
// FTDI adapter beside it, the real driver, and two songs: the first fills the
// wide memory, the second goes into the narrow one.
class FtdiDriverOverUsb : public ::testing::Test {
 protected:
  FtdiDriverOverUsb() {
    programmer.Plug();
    adapter.Plug();
    songs.Write("long.wav", 2097000);
    songs.Write("short.mp3", 5000);
  }

  // The device list's entries, in alphabetical order.
  std::vector<std::string> Listed() {
    std::vector<std::string> entries;
    std::istringstream list(driver.ListDevices());
    for (std::string entry; std::getline(list, entry, ',');) entries.push_back(entry);
    std::sort(entries.begin(), entries.end());
    return entries;
  }
  bool OpenProgrammer() {
    const std::optional<std::string> found = link.FindProgrammer();
    link.Description = found.value_or("");
    return found && link.OpenLink() == LinkOpening::Opened;
  }
  LinkTransfer Send(const Bytes& command) { return link.SendBytes(command); }
  std::pair<LinkTransfer, Bytes> Receive(std::size_t count, milliseconds timeout) {
    Bytes bytes(count);
    const LinkTransfer transfer = link.ReceiveBytes(bytes, timeout);
    bytes.resize(transfer.Count);
    return {transfer, bytes};
  }
  ProgrammingResult Program(DeviceLink& runLink, const UnitStatus& unit) {
    const std::string folder = songs.Directory();
    const std::vector<std::int64_t> sizes = {2097000, 5000};
    const ProgrammingJob job{{{"long.wav", folder, sizes[0]}, {"short.mp3", folder, sizes[1]}},
                             1,
                             unit,
                             7,
                             PackSounds(sizes, unit)};
    return ProgrammingSequence(job, runLink, clock, quiet).ProgramUnit();
  }

  EmulatedUsbBus bus;
  EmulatedProgrammer programmer{
      bus, {ProgrammerProductId, ProgrammerString, 2}, UnitModel::StandardUnit()};
  EmulatedProgrammer adapter{bus, {0x6001, "FT232R USB UART", 3}, UnitModel()};
  FtdiDriver driver;
  DeviceLink link{driver};
  UnitStatus status;
  Quiet quiet;
  UnitProbe probe{link, status};
  ManualClock clock;
  SongFolder songs;
};

// Unplugs the programmer just before the second piece of song data.
class UnplugInTheSongData final : public ForwardingDriver {
 public:
  UnplugInTheSongData(ProgrammerDriver& inner, EmulatedProgrammer& programmer)
      : ForwardingDriver(inner), programmer_(programmer) {}
  DriverStatus Write(DeviceHandle handle, std::span<const std::uint8_t> data,
                     std::size_t& written) override {
    if (data.size() == DataChunkSize && ++pieces_ == 2) programmer_.Unplug();
    return inner_.Write(handle, data, written);
  }

 private:
  EmulatedProgrammer& programmer_;
  int pieces_ = 0;
};

}  // namespace

TEST_F(FtdiDriverOverUsb, ListsEveryFtdiDeviceAndOpensEachOnlyWhenItAppears) {
  const std::vector<std::string> both = {"FT232R USB UART", ProgrammerString};
  EXPECT_EQ(Listed(), both);
  EXPECT_EQ(Listed(), both);
  EXPECT_EQ(std::pair(programmer.Opens(), adapter.Opens()), std::pair(1, 1));

  ASSERT_TRUE(OpenProgrammer());
  EXPECT_EQ(std::pair(programmer.Opens(), adapter.Opens()), std::pair(2, 1))
      << "opening finds the programmer by its place, not by reading strings again";
  const std::vector<Request> requests = programmer.VendorRequests();
  const auto latency = std::find(requests.begin(), requests.end(), LatencyTimerAt1Ms);
  ASSERT_NE(latency, requests.end());
  for (const Request purge : {PurgeBytesFromTheHost, PurgeBytesForTheHost}) {
    EXPECT_NE(std::find(latency, requests.end(), purge), requests.end()) << purge.Value;
  }

  adapter.Unplug();
  EXPECT_EQ(driver.ListDevices(), ProgrammerString);
  adapter.Plug();
  EXPECT_EQ(Listed(), both);
  EXPECT_EQ(adapter.Opens(), 2) << "a device plugged in again is new";
}

TEST_F(FtdiDriverOverUsb, AProductStringThatFailedToReadIsReadAgainAtTheNextListing) {
  programmer.StallProductString(1);
  EXPECT_EQ(Listed(), std::vector<std::string>{"FT232R USB UART"});
  EXPECT_EQ(Listed(), (std::vector<std::string>{"FT232R USB UART", ProgrammerString}));
}

TEST_F(FtdiDriverOverUsb, ARefusedLatencyTimerFailsTheOpen) {
  programmer.RefuseLatencyTimer(true);
  EXPECT_FALSE(OpenProgrammer());
  EXPECT_EQ(link.Handle, 0u);
}

TEST_F(FtdiDriverOverUsb, ProbeAndRunSendTheUnitWhatTheSimulatedUnitGets) {
  probe.ProbeUnit();
  EXPECT_TRUE(status.UnitPresent);
  EXPECT_EQ(std::tuple(status.MemoryCount, status.ButtonCount, status.FirmwareVersion),
            std::tuple(2, 8, "02.07"));
  const ProgrammingResult result = Program(link, status);
  EXPECT_TRUE(result.Succeeded());

  const std::unique_ptr<SimulatedUnit> simulated = SimulatedUnit::StandardUnit();
  DeviceLink simulatedLink(*simulated);
  UnitStatus simulatedStatus;
  UnitProbe(simulatedLink, simulatedStatus).ProbeUnit();
  ASSERT_TRUE(Program(simulatedLink, simulatedStatus).Succeeded());
  EXPECT_TRUE(programmer.BulkWrites() == simulated->Traffic().Writes);
}

TEST_F(FtdiDriverOverUsb, ReadsOfASilentUnitReturnNothingAtTheirTimeOut) {
  programmer.WithUnit(
      [](UnitModel& unit) { unit.InjectFault(CmdIdentifySlot, SimulatedFault::Silent); });
  ASSERT_TRUE(OpenProgrammer());
  // libusb waits by the system's clock, and a loaded machine may wake the
  // read late: the bound allows for that, yet still tells a read that ends at
  // its time-out from one that waits for libftdi's own 5 s.
  for (const milliseconds timeout : {milliseconds(20), milliseconds(120)}) {
    Send({CmdIdentifySlot, 0});
    const auto start = std::chrono::steady_clock::now();
    const auto [transfer, bytes] = Receive(IdentifySlotAnswerLength, timeout);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(std::pair(transfer.Status, transfer.Count), std::pair(DriverOk, std::size_t{0}));
    EXPECT_GE(took, timeout);
    EXPECT_LT(took, timeout + std::chrono::seconds(2));
  }
}

TEST_F(FtdiDriverOverUsb, BytesLateForAReadWaitForTheNextOne) {
  programmer.HoldLatencyTimer(milliseconds(100));
  ASSERT_TRUE(OpenProgrammer());
  Send({CmdReadMemory, 0, 0, 0, 0, 255, 0, 0});
  Bytes expected(ReadMemoryAnswerLength);
  expected[0] = AckByte;
  const Bytes memory =
      programmer.WithUnit([](UnitModel& unit) { return unit.MemoryImage(0)->Read(0, 255); });
  expected.insert(expected.end(), memory.begin(), memory.end());

  // The second read ends as soon as the rest is there: its time-out only
  // bounds a machine too loaded to deliver in time.
  const auto [early, first] = Receive(expected.size(), milliseconds(1));
  const auto [late, rest] = Receive(expected.size() - first.size(), std::chrono::seconds(5));
  const auto [after, more] = Receive(1, milliseconds(1));
  EXPECT_EQ(std::tuple(early.Status, late.Status, after.Status),
            std::tuple(DriverOk, DriverOk, DriverOk));
  Bytes received = first;
  received.insert(received.end(), rest.begin(), rest.end());
  EXPECT_EQ(received, expected);
  EXPECT_TRUE(more.empty()) << "nothing beyond the answer";
}

TEST_F(FtdiDriverOverUsb, UnpluggedInTheSongDataTheRunFailsAndTheProgrammerReturns) {
  probe.ProbeUnit();
  UnplugInTheSongData unplugging(driver, programmer);
  DeviceLink runLink(unplugging);
  runLink.Description = link.Description;
  const ProgrammingResult cut = Program(runLink, status);
  EXPECT_EQ(cut.Code, ProgrammingCode::SongDataWriteFailed);
  EXPECT_EQ(runLink.Handle, 0u) << "the handle of a device that is gone is closed";

  probe.ForceProbe();
  EXPECT_FALSE(status.UnitPresent);
  probe.ProbeUnit();
  EXPECT_FALSE(status.UnitPresent);

  programmer.Plug();
  probe.ProbeUnit();
  EXPECT_TRUE(status.UnitPresent);
  EXPECT_TRUE(Program(link, status).Succeeded());
}

TEST_F(FtdiDriverOverUsb, EveryCallOnAnUnpluggedProgrammerFails) {
  ASSERT_TRUE(OpenProgrammer());
  programmer.Unplug();
  EXPECT_NE(Send({CmdReadButtonCount, 0}).Status, DriverOk);
  EXPECT_NE(Receive(4, milliseconds(100)).first.Status, DriverOk);
  EXPECT_NE(driver.Purge(link.Handle), DriverOk);
  EXPECT_EQ(link.CloseLink(), LinkClosing::Closed);
}

TEST_F(FtdiDriverOverUsb, AFailedCloseIsClosedAgainLater) {
  ASSERT_TRUE(OpenProgrammer());
  programmer.FailInterfaceRelease(true);
  EXPECT_EQ(link.CloseLink(), LinkClosing::CloseFailed);
  EXPECT_EQ(link.OpenLink(), LinkOpening::AlreadyOpen);
  EXPECT_NE(Send({CmdReadButtonCount, 0}).Status, DriverOk) << "the kept handle is closed";
  programmer.FailInterfaceRelease(false);
  EXPECT_EQ(link.CloseLink(), LinkClosing::Closed);
  EXPECT_EQ(link.OpenLink(), LinkOpening::Opened);
}
