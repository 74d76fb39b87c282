#include "device/ProgrammingSequence.h"

#include <gtest/gtest.h>

#include "device/SimulatedUnit.h"
#include "device/UnitProbe.h"
#include "support/ManualClock.h"
#include "support/SongFolder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace std::chrono_literals;

struct ObserverLog : ProgrammingObserver {
  void ClearResultLine() override { ++Clears; }
  void ShowProgress(int percent) override { Progress.push_back(percent); }
  void ShowProgrammerNotFound() override { ++NotFound; }
  int Clears = 0;
  std::vector<int> Progress;
  int NotFound = 0;
};

struct IgnoredLine : ProgrammerLineObserver {
  void ShowProgrammerLine(ProgrammerLine) override {}
};

// A unit, its link and a programming job over songs of one folder.
struct Rig {
  Rig() {
    job.ReadProfileNumber = [this] { return ProfileNumber; };
  }

  Bytes AddSong(SongFolder& songs, const std::string& name, std::int64_t size) {
    const Bytes bytes = songs.Write(name, static_cast<std::size_t>(size));
    job.Rows.push_back({name, songs.Directory(), size});
    return bytes;
  }

  // Probes the unit as the page does, then programs it.
  ProgrammingResult Run() {
    Probe();
    job.Status = Status;
    Unit.ClearTraffic();
    return ProgrammingSequence(job, Link, Clock, Log).ProgramUnit();
  }

  void Probe() { UnitProbe(Link, Status, line).ForceProbe(); }
  const std::vector<Bytes>& Sent() const { return Unit.Traffic().Writes; }
  bool LinkClosed() const { return Link.Handle == 0 && !Unit.IsOpen(); }

  SimulatedUnit Unit;
  DeviceLink Link{Unit};
  ManualClock Clock;
  ObserverLog Log;
  ProgrammingJob job;
  UnitStatus Status;
  int ProfileNumber = 7;

 private:
  IgnoredLine line;
};

Bytes Joined(const Bytes& first, const Bytes& second) {
  Bytes joined = first;
  joined.insert(joined.end(), second.begin(), second.end());
  return joined;
}

class ProgrammingSequenceTest : public ::testing::Test {
 protected:
  // The unit and songs of the worked example: one narrow memory, firmware
  // 01.05, songs of 3000 and 5000 bytes.
  void SetUpWorkedExample(Rig& rig) {
    rig.Unit.InstallMemory(0, 0x43);
    rig.Unit.SetFirmwareVersion({0, 1, 0, 5});
    first = rig.AddSong(songs, "first.mp3", 3000);
    second = rig.AddSong(songs, "second.wav", 5000);
  }

  SongFolder songs;
  Bytes first;
  Bytes second;
};

}  // namespace

TEST_F(ProgrammingSequenceTest, WorkedExampleByteForByte) {
  Rig rig;
  SetUpWorkedExample(rig);
  const ProgrammingResult result = rig.Run();
  EXPECT_EQ(result.Code, 0);
  EXPECT_EQ(result.ErrorText, "");

  const Bytes data = Joined(first, second);
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
  const std::vector<std::size_t> reads = {3,   7,   11, 11, 9,   9,   16,  9,   255, 255,
                                          255, 255, 4,  9,  255, 255, 255, 255, 4};
  EXPECT_EQ(rig.Unit.Traffic().Reads, reads);
  EXPECT_EQ(rig.Clock.Sleeps, std::vector{125ms});
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
  Rig rig;
  rig.Unit.InstallMemory(0, 0x41);
  rig.job.ButtonOneSoundCount = 2;
  rig.ProfileNumber = 300;
  const Bytes song0 = rig.AddSong(songs, "a.mp3", 1000);
  const Bytes song1 = rig.AddSong(songs, "b.mp3", 2000);
  const Bytes song2 = rig.AddSong(songs, "c.mp3", 3000);
  ASSERT_EQ(rig.Run().Code, 0);

  const std::vector<Bytes> commands(rig.Sent().begin(), rig.Sent().begin() + 6);
  const std::vector<Bytes> expected = {
      {0xED, 0x00},
      {0xA1, 0x00, 0x03, 0x01, 0x2C, 0x01, 0x02},
      {0xA2, 0x00, 0x00, 0x32, 0x00, 0x00, 0xE8, 0x03, 0x00, 0x01},
      {0xA2, 0x00, 0x01, 0x1A, 0x04, 0x00, 0xD0, 0x07, 0x00, 0x01},
      {0xA2, 0x00, 0x02, 0xEA, 0x0B, 0x00, 0xB8, 0x0B, 0x00, 0x01},
      {0xA4, 0x00, 0x30, 0x00, 0x00, 0x70, 0x17, 0x00},
  };
  EXPECT_EQ(commands, expected);
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
  EXPECT_TRUE(HeaderCarriesButtonOneCount("02.07"));
  EXPECT_TRUE(HeaderCarriesButtonOneCount("02.00"));
  EXPECT_TRUE(HeaderCarriesButtonOneCount("112.03"));
  EXPECT_FALSE(HeaderCarriesButtonOneCount("01.99"));
  EXPECT_FALSE(HeaderCarriesButtonOneCount(""));
  EXPECT_FALSE(HeaderCarriesButtonOneCount("A2.07")) << "not a number reads as 0";
  EXPECT_FALSE(HeaderCarriesButtonOneCount("2.0.1"));
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
    const std::string what = "command " + std::to_string(failure.Command) + " fault " +
                             std::to_string(static_cast<int>(failure.Fault)) + " spared " +
                             std::to_string(failure.Spared);
    Rig rig;
    SetUpWorkedExample(rig);
    rig.Unit.InjectFault(failure.Command, failure.Fault, std::nullopt, 1, failure.Spared);
    const ProgrammingResult result = rig.Run();
    EXPECT_EQ(result.Code, failure.Code) << what;
    EXPECT_EQ(result.ErrorText, "ERROR " + std::to_string(failure.Code) + ".") << what;
    EXPECT_EQ(rig.Sent().size(), failure.WritesSent) << what;
    EXPECT_TRUE(rig.LinkClosed()) << what;
  }
}

TEST_F(ProgrammingSequenceTest, LateAnswersGetTheirSecondRead) {
  for (const std::uint8_t command : {CmdWriteDataNarrow, CmdReadMemory}) {
    Rig rig;
    SetUpWorkedExample(rig);
    rig.Unit.InjectFault(command, SimulatedFault::Late, std::nullopt, 1);
    EXPECT_EQ(rig.Run().Code, 0) << int{command};
  }
  Rig rig;
  SetUpWorkedExample(rig);
  rig.Unit.InjectFault(CmdReadMemory, SimulatedFault::Late, std::nullopt, 1);
  rig.Run();
  const std::vector<std::size_t>& reads = rig.Unit.Traffic().Reads;
  EXPECT_EQ(std::vector(reads.begin() + 5, reads.begin() + 8), (std::vector<std::size_t>{9, 9, 16}))
      << "the header read-back is read once more when nothing arrived";
}

TEST_F(ProgrammingSequenceTest, ProgrammerThatCannotBeOpenedGivesMinusTen) {
  for (const bool purgeFails : {false, true}) {
    Rig rig;
    SetUpWorkedExample(rig);
    rig.Probe();
    rig.Unit.FailOpen(!purgeFails);
    rig.Unit.FailPurge(purgeFails);
    rig.job.Status = rig.Status;
    rig.Unit.ClearTraffic();
    const ProgrammingResult result =
        ProgrammingSequence(rig.job, rig.Link, rig.Clock, rig.Log).ProgramUnit();
    EXPECT_EQ(result.Code, -10);
    EXPECT_EQ(result.ErrorText, "Make sure the unit is connected to a USB Port.");
    EXPECT_EQ(rig.Log.NotFound, 1);
    EXPECT_TRUE(rig.Sent().empty());
    EXPECT_TRUE(rig.LinkClosed()) << "a link whose purge failed is closed again";
  }
}

TEST_F(ProgrammingSequenceTest, FailedCloseIsMinusOneOnlyWhenNothingElseFailed) {
  Rig succeeding;
  SetUpWorkedExample(succeeding);
  succeeding.Probe();
  succeeding.Unit.FailClose(true);
  succeeding.job.Status = succeeding.Status;
  const ProgrammingResult closeFailed =
      ProgrammingSequence(succeeding.job, succeeding.Link, succeeding.Clock, succeeding.Log)
          .ProgramUnit();
  EXPECT_EQ(closeFailed.Code, -1);
  EXPECT_EQ(closeFailed.ErrorText, "ERROR -1.");

  Rig failing;
  SetUpWorkedExample(failing);
  failing.Probe();
  failing.Unit.FailClose(true);
  failing.Unit.InjectFault(CmdBeginMemory, SimulatedFault::Refused);
  failing.job.Status = failing.Status;
  const ProgrammingResult refused =
      ProgrammingSequence(failing.job, failing.Link, failing.Clock, failing.Log).ProgramUnit();
  EXPECT_EQ(refused.Code, -8) << "codes are never added together";
  EXPECT_EQ(refused.ErrorText, "ERROR -8.");
}

TEST_F(ProgrammingSequenceTest, SongFilesThatCannotBeSentWholeStopTheRunBeforeAnythingIsSent) {
  const auto expectUnsent = [](Rig& rig) {
    const ProgrammingResult result = rig.Run();
    EXPECT_EQ(result.Code, -2);
    EXPECT_EQ(result.ErrorText, "ERROR -2.");
    EXPECT_TRUE(rig.Sent().empty());
    EXPECT_EQ(rig.Unit.Traffic().OpenCalls, 0);
  };
  Rig missing;
  SetUpWorkedExample(missing);
  missing.job.Rows.insert(missing.job.Rows.begin() + 1, {"gone.mp3", songs.Directory(), 100});
  expectUnsent(missing);

  Rig longer;
  SetUpWorkedExample(longer);
  longer.job.Rows[1].Size = 5001;
  expectUnsent(longer);

  Rig shorter;
  SetUpWorkedExample(shorter);
  shorter.job.Rows[1].Size = 4999;
  expectUnsent(shorter);

  Rig leftOver;
  SetUpWorkedExample(leftOver);
  leftOver.job.Rows.push_back({"gone.mp3", songs.Directory(), 300000});
  EXPECT_EQ(leftOver.Run().Code, 0) << "a sound that is not placed is not read";
}

TEST_F(ProgrammingSequenceTest, RunsThatPlaceNothingSendNothing) {
  Rig empty;
  empty.Unit.InstallMemory(0, 0x43);
  const ProgrammingResult noSongs = empty.Run();
  EXPECT_EQ(noSongs.Code, -12);
  EXPECT_EQ(noSongs.ErrorText, "No Songs To Program");
  EXPECT_TRUE(empty.Sent().empty());

  Rig unrecognised;
  unrecognised.Unit.InstallMemory(0, 0x55);
  unrecognised.AddSong(songs, "a.mp3", 10);
  const ProgrammingResult nothingFits = unrecognised.Run();
  EXPECT_EQ(nothingFits.Code, -13);
  EXPECT_EQ(nothingFits.ErrorText, "Song Is Too Large");
  EXPECT_TRUE(unrecognised.Sent().empty());

  Rig tooLarge;
  tooLarge.Unit.InstallMemory(0, 0x43);
  tooLarge.AddSong(songs, "large.wav", 262143 - 15);
  tooLarge.AddSong(songs, "a.mp3", 10);
  EXPECT_EQ(tooLarge.Run().Code, -13);
  EXPECT_TRUE(tooLarge.Sent().empty());
}

TEST_F(ProgrammingSequenceTest, MemoriesTakeTheSongsInListOrder) {
  Rig firstFills;
  firstFills.Unit.InstallMemory(0, 0x43);
  firstFills.Unit.InstallMemory(1, 0x44);
  firstFills.Unit.SetStoredProfileNumber(1, 3);
  firstFills.AddSong(songs, "a.mp3", 200000);
  firstFills.AddSong(songs, "b.mp3", 62000);
  EXPECT_EQ(firstFills.Run().Code, 0);
  EXPECT_EQ(firstFills.Sent().back(), (Bytes{0xED, 0x01})) << "the second memory is only begun";
  EXPECT_EQ(firstFills.Clock.Sleeps.size(), 1u);

  Rig largeInTheMiddle;
  largeInTheMiddle.Unit.InstallMemory(0, 0x43);
  largeInTheMiddle.AddSong(songs, "a.mp3", 1000);
  largeInTheMiddle.AddSong(songs, "large.wav", 300000);
  largeInTheMiddle.AddSong(songs, "b.mp3", 500);
  EXPECT_EQ(largeInTheMiddle.Run().Code, 0);
  EXPECT_EQ(largeInTheMiddle.Sent()[1][2], 1) << "only the sound before the large one";

  Rig manySongs;
  manySongs.Unit.InstallMemory(0, 0x43);
  manySongs.Unit.InstallMemory(2, 0x43);
  manySongs.AddSong(songs, "tiny.wav", 1);
  manySongs.job.Rows.resize(300, manySongs.job.Rows.front());
  EXPECT_EQ(manySongs.Run().Code, 0);
  std::vector<int> songCounts;
  for (const Bytes& write : manySongs.Sent()) {
    if (write[0] == CmdMemoryHeader) songCounts.push_back(write[2]);
  }
  EXPECT_EQ(songCounts, (std::vector{254, 46})) << "a memory takes at most 254 songs";
}

TEST_F(ProgrammingSequenceTest, ShortSongsAreVerifiedOverTheirOwnLength) {
  Rig rig;
  rig.Unit.InstallMemory(0, 0x43);
  rig.AddSong(songs, "click.wav", 100);
  rig.AddSong(songs, "beep.wav", 300);
  ASSERT_EQ(rig.Run().Code, 0);
  const std::vector<Bytes>& sent = rig.Sent();
  EXPECT_EQ(sent[sent.size() - 2], (Bytes{0xDD, 0x00, 0x21, 0x00, 0x00, 0x64, 0x00, 0x00}));
  EXPECT_EQ(sent.back(), (Bytes{0xDD, 0x00, 0x85, 0x00, 0x00, 0x2C, 0x01, 0x00}));
  const std::vector<std::size_t>& reads = rig.Unit.Traffic().Reads;
  EXPECT_EQ(std::vector(reads.end() - 5, reads.end()),
            (std::vector<std::size_t>{9, 100, 9, 255, 45}));
}

TEST_F(ProgrammingSequenceTest, ProfileNumbersOutsideTheRangeAreSentAsNone) {
  const std::pair<int, Bytes> numbers[] = {
      {0, {0x00, 0x00}},     {65278, {0xFE, 0xFE}}, {65279, {0xFF, 0xFF}},
      {70000, {0xFF, 0xFF}}, {-1, {0xFF, 0xFF}},    {65535, {0xFF, 0xFF}},
  };
  for (const auto& [number, wire] : numbers) {
    Rig rig;
    SetUpWorkedExample(rig);
    rig.ProfileNumber = number;
    ASSERT_EQ(rig.Run().Code, 0) << number;
    EXPECT_EQ(Bytes(rig.Sent()[1].begin() + 4, rig.Sent()[1].end()), wire) << number;
  }
}
