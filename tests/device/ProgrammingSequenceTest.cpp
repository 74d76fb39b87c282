#include "device/ProgrammingSequence.h"

#include <gtest/gtest.h>

#include "device/SimulatedUnit.h"
#include "device/UnitProbe.h"
#include "support/ManualClock.h"
#include "support/SongFolder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Sizes = std::vector<std::size_t>;

struct ObserverLog : ProgrammingObserver, ProgrammerLineObserver {
  void ClearResultLine() override { ++Clears; }
  void ShowProgress(int percent) override { Progress.push_back(percent); }
  void ShowProgrammerNotFound() override { ++NotFound; }
  void ShowProgrammerLine(ProgrammerLine) override {}
  int Clears = 0;
  std::vector<int> Progress;
  int NotFound = 0;
};

// A unit, its link and a programming job over the songs of one folder.
struct Rig {
  explicit Rig(SongFolder& songs) : songs(songs) {}

  Bytes AddSong(const std::string& name, std::int64_t size) {
    job.Rows.push_back({name, songs.Directory(), size});
    return songs.Write(name, static_cast<std::size_t>(size));
  }

  // Probes the unit as the page does, lets the test change the unit, then
  // programs it.
  ProgrammingResult Run(const std::function<void(SimulatedUnit&)>& afterProbe = {}) {
    Probe();
    job.Status = Status;
    job.ProfileNumber = ProfileNumber;
    if (afterProbe) afterProbe(Unit);
    Unit.ClearTraffic();
    return ProgrammingSequence(job, Link, Clock, Log).ProgramUnit();
  }

  void Probe() { UnitProbe(Link, Status, Log).ForceProbe(); }
  const std::vector<Bytes>& Sent() const { return Unit.Traffic().Writes; }
  bool LinkClosed() const { return Link.Handle == 0 && !Unit.IsOpen(); }

  SongFolder& songs;
  SimulatedUnit Unit;
  DeviceLink Link{Unit};
  ManualClock Clock;
  ObserverLog Log;
  ProgrammingJob job;
  UnitStatus Status;
  int ProfileNumber = 7;
};

class ProgrammingSequenceTest : public ::testing::Test {
 protected:
  // One narrow memory, firmware 01.05, songs of 3000 and 5000 bytes.
  void SetUpWorkedExample(Rig& rig) {
    rig.Unit.InstallMemory(0, 0x43);
    rig.Unit.SetFirmwareVersion({0, 1, 0, 5});
    data = rig.AddSong("first.mp3", 3000);
    const Bytes second = rig.AddSong("second.wav", 5000);
    data.insert(data.end(), second.begin(), second.end());
  }

  SongFolder songs;
  Bytes data;  // the worked example's songs back to back
};

}  // namespace

TEST_F(ProgrammingSequenceTest, WorkedExampleByteForByte) {
  Rig rig(songs);
  SetUpWorkedExample(rig);
  const ProgrammingResult result = rig.Run();
  EXPECT_EQ(result.Code, 0);
  EXPECT_EQ(result.ErrorText, "");

  const std::vector<Bytes> expected = {
      {0xED, 0x00},
      {0xA1, 0x00, 0x02, 0x01, 0x07, 0x00},
      {0xA2, 0x00, 0x00, 0x21, 0x00, 0x00, 0xB8, 0x0B, 0x00, 0x01},
      {0xA2, 0x00, 0x01, 0xD9, 0x0B, 0x00, 0x88, 0x13, 0x00, 0x01},
      {0xA3, 0x00, 0x20, 0x00, 0x00, 0x40, 0x1F, 0x00},
      Bytes(data.begin(), data.begin() + 4096),
      Bytes(data.begin() + 4096, data.end()),
      {0xDD, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00},
      {0xDD, 0x00, 0x21, 0x00, 0x00, 0x00, 0x04, 0x00},
      {0xDD, 0x00, 0xD9, 0x0B, 0x00, 0x00, 0x04, 0x00},
  };
  EXPECT_EQ(rig.Sent(), expected);
  const Sizes reads = {3, 7, 11, 11, 9, 9, 16, 9, 255, 255, 255, 255, 4, 9, 255, 255, 255, 255, 4};
  EXPECT_EQ(rig.Unit.Traffic().Reads, reads);
  EXPECT_EQ(rig.Clock.Sleeps, std::vector{std::chrono::milliseconds(125)});
  EXPECT_EQ(rig.Log.Progress, (std::vector{51, 100}));
  EXPECT_EQ(rig.Log.Clears, 3) << "one memory, two songs verified";
  EXPECT_TRUE(rig.LinkClosed());

  const Bytes header = {0xFF, 0xFF, 0xFF, 0x02, 0x01, 0x21, 0x00, 0x00,
                        0xB8, 0x0B, 0x00, 0x01, 0xFF, 0xFF, 0x07, 0x00};
  EXPECT_EQ(rig.Unit.MemoryImage(0)->Read(0, 16), header);
  EXPECT_EQ(rig.Unit.MemoryImage(0)->Read(33, 8000), data);
  rig.Probe();
  EXPECT_EQ(rig.Status.Slots[0].ProfileNumber, 7) << "the probe reads the number just written";
}

TEST_F(ProgrammingSequenceTest, ThreeSongsInAWideMemoryWithTheLongHeader) {
  Rig rig(songs);
  rig.Unit.InstallMemory(0, 0x41);
  rig.job.ButtonOneSoundCount = 2;
  rig.ProfileNumber = 300;
  const Bytes song0 = rig.AddSong("a.mp3", 1000);
  const Bytes song1 = rig.AddSong("b.mp3", 2000);
  const Bytes song2 = rig.AddSong("c.mp3", 3000);
  ASSERT_EQ(rig.Run().Code, 0);

  const std::vector<Bytes> expected = {
      {0xED, 0x00},
      {0xA1, 0x00, 0x03, 0x01, 0x2C, 0x01, 0x02},
      {0xA2, 0x00, 0x00, 0x32, 0x00, 0x00, 0xE8, 0x03, 0x00, 0x01},
      {0xA2, 0x00, 0x01, 0x1A, 0x04, 0x00, 0xD0, 0x07, 0x00, 0x01},
      {0xA2, 0x00, 0x02, 0xEA, 0x0B, 0x00, 0xB8, 0x0B, 0x00, 0x01},
      {0xA4, 0x00, 0x30, 0x00, 0x00, 0x70, 0x17, 0x00},
  };
  EXPECT_EQ(std::vector(rig.Sent().begin(), rig.Sent().begin() + 6), expected);
  EXPECT_EQ(rig.Unit.Traffic().Reads[1], 8u) << "the long header is answered with 8 bytes";
  const FlashImage& image = *rig.Unit.MemoryImage(0);
  const Bytes header = {0xFF, 0xFF, 0x02, 0x03, 0x01, 0x32, 0x00, 0x00,
                        0xE8, 0x03, 0x00, 0x01, 0xFF, 0xFF, 0x2C, 0x01};
  EXPECT_EQ(image.Read(0, 16), header);
  EXPECT_EQ(image.Read(50, 1000), song0);
  EXPECT_EQ(image.Read(1050, 2000), song1);
  EXPECT_EQ(image.Read(3050, 3000), song2);
}

TEST(FirmwareVersionTest, TwoPointZeroOrLaterCarriesTheButtonOneCount) {
  EXPECT_TRUE(HeaderCarriesButtonOneCount("02.00"));
  EXPECT_TRUE(HeaderCarriesButtonOneCount("112.03"));
  EXPECT_FALSE(HeaderCarriesButtonOneCount("01.99"));
  EXPECT_FALSE(HeaderCarriesButtonOneCount(""));
  EXPECT_FALSE(HeaderCarriesButtonOneCount("A2.07")) << "not a number reads as 0";
}

TEST_F(ProgrammingSequenceTest, EachFailingStepEndsTheRunWithItsCodeAndText) {
  struct Case {
    std::uint8_t Command;
    SimulatedFault Fault;
    int Spared;
    int Code;
    std::size_t WritesSent;
  };
  const Case cases[] = {
      {CmdBeginMemory, SimulatedFault::Refused, 0, -8, 1},
      {CmdBeginMemory, SimulatedFault::Silent, 0, -8, 1},
      {CmdBeginMemory, SimulatedFault::Short, 0, -8, 1},
      {CmdMemoryHeader, SimulatedFault::Refused, 0, -7, 2},
      {CmdMemoryHeader, SimulatedFault::Short, 0, -7, 2},
      {CmdSongEntry, SimulatedFault::Refused, 1, -6, 4},
      {CmdWriteDataNarrow, SimulatedFault::WriteFails, 0, -3, 6},
      {CmdWriteDataNarrow, SimulatedFault::Refused, 0, -5, 7},
      {CmdWriteDataNarrow, SimulatedFault::Silent, 0, -11, 7},
      {CmdWriteDataNarrow, SimulatedFault::Short, 0, -11, 7},
      {CmdReadMemory, SimulatedFault::Refused, 0, -4, 8},
      {CmdReadMemory, SimulatedFault::Silent, 0, -4, 8},
      {CmdReadMemory, SimulatedFault::ChangedByte, 0, -9, 8},
      {CmdReadMemory, SimulatedFault::Refused, 1, -4, 9},
      {CmdReadMemory, SimulatedFault::ChangedByte, 1, -9, 9},
      {CmdReadMemory, SimulatedFault::Short, 2, -9, 10},
  };
  for (const Case& failure : cases) {
    SCOPED_TRACE(testing::Message()
                 << "command " << int{failure.Command} << ", fault "
                 << static_cast<int>(failure.Fault) << ", spared " << failure.Spared);
    Rig rig(songs);
    SetUpWorkedExample(rig);
    rig.Unit.InjectFault(failure.Command, failure.Fault, std::nullopt, 1, failure.Spared);
    const ProgrammingResult result = rig.Run();
    EXPECT_EQ(result.Code, failure.Code);
    EXPECT_EQ(result.ErrorText, "ERROR " + std::to_string(failure.Code) + ".");
    EXPECT_EQ(rig.Sent().size(), failure.WritesSent);
    EXPECT_TRUE(rig.LinkClosed());
  }
}

TEST_F(ProgrammingSequenceTest, LateAnswersGetTheirSecondRead) {
  for (const std::uint8_t command : {CmdWriteDataNarrow, CmdReadMemory}) {
    Rig rig(songs);
    SetUpWorkedExample(rig);
    rig.Unit.InjectFault(command, SimulatedFault::Late, std::nullopt, 1);
    EXPECT_EQ(rig.Run().Code, 0) << int{command};
    EXPECT_EQ(rig.Unit.Traffic().Reads.size(), 20u) << "one read more than the worked example";
  }
}

TEST_F(ProgrammingSequenceTest, ProgrammerThatCannotBeOpenedGivesMinusTen) {
  for (const bool purgeFails : {false, true}) {
    Rig rig(songs);
    SetUpWorkedExample(rig);
    const ProgrammingResult result = rig.Run([purgeFails](SimulatedUnit& unit) {
      unit.FailOpen(!purgeFails);
      unit.FailPurge(purgeFails);
    });
    EXPECT_EQ(result.Code, -10);
    EXPECT_EQ(result.ErrorText, "Make sure the unit is connected to a USB Port.");
    EXPECT_EQ(rig.Log.NotFound, 1);
    EXPECT_TRUE(rig.Sent().empty());
    EXPECT_TRUE(rig.LinkClosed()) << "a link whose purge failed is closed again";
  }
}

TEST_F(ProgrammingSequenceTest, FailedCloseIsMinusOneOnlyWhenNothingElseFailed) {
  Rig succeeding(songs);
  SetUpWorkedExample(succeeding);
  const ProgrammingResult closeFailed =
      succeeding.Run([](SimulatedUnit& unit) { unit.FailClose(true); });
  EXPECT_EQ(closeFailed.Code, -1);
  EXPECT_EQ(closeFailed.ErrorText, "ERROR -1.");

  Rig failing(songs);
  SetUpWorkedExample(failing);
  const ProgrammingResult refused = failing.Run([](SimulatedUnit& unit) {
    unit.FailClose(true);
    unit.InjectFault(CmdBeginMemory, SimulatedFault::Refused);
  });
  EXPECT_EQ(refused.Code, -8) << "codes are never added together";
}

TEST_F(ProgrammingSequenceTest, SongFilesThatCannotBeSentWholeStopTheRunBeforeAnythingIsSent) {
  const auto expectUnsent = [this](const std::function<void(ProgrammingJob&)>& spoil) {
    Rig rig(songs);
    SetUpWorkedExample(rig);
    spoil(rig.job);
    const ProgrammingResult result = rig.Run();
    EXPECT_EQ(result.Code, -2);
    EXPECT_EQ(result.ErrorText, "ERROR -2.");
    EXPECT_EQ(rig.Unit.Traffic().OpenCalls, 0);
  };
  expectUnsent([this](ProgrammingJob& job) {
    job.Rows.insert(job.Rows.begin() + 1, {"gone.mp3", songs.Directory(), 100});
  });
  expectUnsent([](ProgrammingJob& job) { job.Rows[1].Size = 5001; });
  expectUnsent([](ProgrammingJob& job) { job.Rows[1].Size = 4999; });

  Rig leftOver(songs);
  SetUpWorkedExample(leftOver);
  leftOver.job.Rows.push_back({"gone.mp3", songs.Directory(), 300000});
  EXPECT_EQ(leftOver.Run().Code, 0) << "a sound that is not placed is not read";
}

TEST_F(ProgrammingSequenceTest, RunsThatPlaceNothingSendNothing) {
  Rig empty(songs);
  empty.Unit.InstallMemory(0, 0x43);
  const ProgrammingResult noSongs = empty.Run();
  EXPECT_EQ(noSongs.Code, -12);
  EXPECT_EQ(noSongs.ErrorText, "No Songs To Program");
  EXPECT_TRUE(empty.Sent().empty());

  for (const std::uint8_t deviceCode : {0x55, 0x43}) {
    Rig nothingFits(songs);
    nothingFits.Unit.InstallMemory(0, deviceCode);  // 0x55 is no memory the unit knows
    nothingFits.AddSong("large.wav", 262143 - 15);
    nothingFits.AddSong("a.mp3", 10);
    const ProgrammingResult tooLarge = nothingFits.Run();
    EXPECT_EQ(tooLarge.Code, -13);
    EXPECT_EQ(tooLarge.ErrorText, "Song Is Too Large");
    EXPECT_TRUE(nothingFits.Sent().empty());
  }
}

TEST_F(ProgrammingSequenceTest, MemoriesTakeTheSongsInListOrder) {
  Rig firstFills(songs);
  firstFills.Unit.InstallMemory(0, 0x43);
  firstFills.Unit.InstallMemory(1, 0x44);
  firstFills.AddSong("a.mp3", 200000);
  firstFills.AddSong("b.mp3", 62000);
  EXPECT_EQ(firstFills.Run().Code, 0);
  EXPECT_EQ(firstFills.Sent().back(), (Bytes{0xED, 0x01})) << "the second memory is only begun";

  Rig largeInTheMiddle(songs);
  largeInTheMiddle.Unit.InstallMemory(0, 0x43);
  largeInTheMiddle.AddSong("a.mp3", 1000);
  largeInTheMiddle.AddSong("large.wav", 300000);
  largeInTheMiddle.AddSong("b.mp3", 500);
  EXPECT_EQ(largeInTheMiddle.Run().Code, 0);
  EXPECT_EQ(largeInTheMiddle.Sent()[1][2], 1) << "only the sound before the large one";

  Rig manySongs(songs);
  manySongs.Unit.InstallMemory(0, 0x43);
  manySongs.Unit.InstallMemory(2, 0x43);
  manySongs.AddSong("tiny.wav", 1);
  manySongs.job.Rows.resize(300, manySongs.job.Rows.front());
  EXPECT_EQ(manySongs.Run().Code, 0);
  std::vector<int> songCounts;
  for (const Bytes& write : manySongs.Sent()) {
    if (write[0] == CmdMemoryHeader) songCounts.push_back(write[2]);
  }
  EXPECT_EQ(songCounts, (std::vector{254, 46})) << "a memory takes at most 254 songs";
}

TEST_F(ProgrammingSequenceTest, ShortSongsAreVerifiedOverTheirOwnLength) {
  Rig rig(songs);
  rig.Unit.InstallMemory(0, 0x43);
  rig.AddSong("click.wav", 100);
  rig.AddSong("beep.wav", 300);
  ASSERT_EQ(rig.Run().Code, 0);
  const std::vector<Bytes>& sent = rig.Sent();
  EXPECT_EQ(sent[sent.size() - 2], (Bytes{0xDD, 0x00, 0x21, 0x00, 0x00, 0x64, 0x00, 0x00}));
  EXPECT_EQ(sent.back(), (Bytes{0xDD, 0x00, 0x85, 0x00, 0x00, 0x2C, 0x01, 0x00}));
  const Sizes& reads = rig.Unit.Traffic().Reads;
  EXPECT_EQ(Sizes(reads.end() - 5, reads.end()), (Sizes{9, 100, 9, 255, 45}));
}

TEST_F(ProgrammingSequenceTest, ProfileNumbersOutsideTheRangeAreSentAsNone) {
  const std::pair<int, Bytes> numbers[] = {
      {65278, {0xFE, 0xFE}}, {65279, {0xFF, 0xFF}}, {70000, {0xFF, 0xFF}}, {-1, {0xFF, 0xFF}}};
  for (const auto& [number, wire] : numbers) {
    Rig rig(songs);
    SetUpWorkedExample(rig);
    rig.ProfileNumber = number;
    ASSERT_EQ(rig.Run().Code, 0) << number;
    EXPECT_EQ(Bytes(rig.Sent()[1].begin() + 4, rig.Sent()[1].end()), wire) << number;
  }
}
