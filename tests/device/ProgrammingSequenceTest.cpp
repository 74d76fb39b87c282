#include "device/ProgrammingSequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "device/SimulatedUnit.h"
#include "support/ManualClock.h"
#include "support/SongFolder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct ObserverLog : ProgrammingObserver {
  void PhaseBegun(RunPhase, int) override { ++Steps; }
  void BytesMoved(std::uint64_t done, std::uint64_t total) override {
    Progress.push_back(static_cast<int>(done * 100 / total));
    if (OnMoved) OnMoved();
  }
  void ProgrammerLost() override { ++NotFound; }
  int Steps = 0, NotFound = 0;
  std::vector<int> Progress;
  std::function<void()> OnMoved;  // after each piece written or read back
};

// A unit, its link and a programming job over the songs of one folder.
struct Rig {
  Rig() {
    Link.Description = SimulatedUnit::DefaultDescription;
    Job.ProfileNumber = 7;
    Job.Status.FirmwareVersion = "02.07";
    // The wire bytes of the quick check; full verification has its own tests.
    Job.Verify = Verification::Quick;
  }
  // Installs a memory and notes it in the status as the probe would.
  Rig& Memory(int slot, std::uint8_t deviceCode) {
    Unit.InstallMemory(slot, deviceCode);
    if (const RecognisedMemory* memory = FindRecognisedMemory(deviceCode)) {
      Job.Status.Slots[slot] = {memory->Capacity, deviceCode, memory->WriteCommand,
                                memory->WriteWidth, -1};
    }
    return *this;
  }
  Rig& AddSong(const std::string& name, std::int64_t size) {
    Job.Rows.push_back({name, Songs.Directory(), size});
    const Bytes bytes = Songs.Write(name, static_cast<std::size_t>(size));
    Data.insert(Data.end(), bytes.begin(), bytes.end());
    return *this;
  }
  // One narrow memory, firmware 01.05, songs of 3000 and 5000 bytes.
  Rig& WorkedExample() {
    Job.Status.FirmwareVersion = "01.05";
    return Memory(0, 0x43).AddSong("first.mp3", 3000).AddSong("second.wav", 5000);
  }
  // Packed as the programming core packs a plan, then run.
  ProgrammingResult Run(std::stop_token stop = {}) {
    std::vector<std::int64_t> sizes;
    for (const ProgramRow& row : Job.Rows) sizes.push_back(row.Size);
    Job.Packing = PackSounds(sizes, Job.Status);
    return ProgrammingSequence(Job, Link, Clock, Log, std::move(stop)).ProgramUnit();
  }
  const std::vector<Bytes>& Sent() const { return Unit.Traffic().Writes; }
  bool LinkClosed() const { return Link.Handle == 0 && !Unit.IsOpen(); }

  SongFolder Songs;
  SimulatedUnit Unit;
  DeviceLink Link{Unit};
  ManualClock Clock;
  ObserverLog Log;
  ProgrammingJob Job;
  Bytes Data;  // every song written, back to back
};

int Code(const ProgrammingResult& result) {
  return static_cast<int>(result.Code);
}

}  // namespace

TEST(ProgrammingSequence, WorkedExampleByteForByte) {
  Rig rig;
  const Bytes& data = rig.WorkedExample().Data;
  const ProgrammingResult result = rig.Run();
  EXPECT_EQ(Code(result), 0);

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
  EXPECT_EQ(rig.Clock.Sleeps, std::vector{std::chrono::milliseconds(125)});
  EXPECT_EQ(rig.Log.Progress.front(), 40) << "4096 of 8000 written and 2064 to read back";
  EXPECT_EQ(rig.Log.Progress.back(), 100);
  EXPECT_TRUE(std::ranges::is_sorted(rig.Log.Progress));
  EXPECT_EQ(rig.Log.Steps, 2) << "one memory written, then read back";
  EXPECT_TRUE(rig.LinkClosed());

  const Bytes header = {0xFF, 0xFF, 0xFF, 0x02, 0x01, 0x21, 0x00, 0x00,
                        0xB8, 0x0B, 0x00, 0x01, 0xFF, 0xFF, 0x07, 0x00};
  EXPECT_EQ(rig.Unit.MemoryImage(0)->Read(0, 16), header);
  EXPECT_EQ(rig.Unit.MemoryImage(0)->Read(33, 8000), data);
}

TEST(ProgrammingSequence, ThreeSongsInAWideMemoryWithTheLongHeader) {
  Rig rig;
  rig.Memory(0, 0x41).Job.ButtonOneSoundCount = 2;
  rig.Job.ProfileNumber = 65279;  // out of range: sent as none
  for (const int size : {1000, 2000, 3000}) rig.AddSong(std::to_string(size) + ".mp3", size);
  ASSERT_EQ(Code(rig.Run()), 0);

  const std::vector<Bytes> expected = {
      {0xED, 0x00},
      {0xA1, 0x00, 0x03, 0x01, 0xFF, 0xFF, 0x02},
      {0xA2, 0x00, 0x00, 0x32, 0x00, 0x00, 0xE8, 0x03, 0x00, 0x01},
      {0xA2, 0x00, 0x01, 0x1A, 0x04, 0x00, 0xD0, 0x07, 0x00, 0x01},
      {0xA2, 0x00, 0x02, 0xEA, 0x0B, 0x00, 0xB8, 0x0B, 0x00, 0x01},
      {0xA4, 0x00, 0x30, 0x00, 0x00, 0x70, 0x17, 0x00},
  };
  EXPECT_EQ(std::vector(rig.Sent().begin(), rig.Sent().begin() + 6), expected);
  EXPECT_EQ(rig.Unit.Traffic().Reads[1], 8u) << "the long header is answered with 8 bytes";
  EXPECT_EQ(rig.Sent()[9], (Bytes{0xDD, 0x00, 0x32, 0x00, 0x00, 0xE8, 0x03, 0x00}))
      << "a song shorter than 1024 bytes is verified over its own length";
}

TEST(ProgrammingSequence, AnEmptySongIsWrittenButNotReadBack) {
  Rig rig;
  rig.Memory(0, 0x43).AddSong("a.mp3", 10).AddSong("empty.wav", 0).AddSong("b.mp3", 20);
  ASSERT_EQ(Code(rig.Run()), 0);
  const std::vector<Bytes> readBacks = {{0xDD, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00},
                                        {0xDD, 0x00, 0x31, 0x00, 0x00, 0x0A, 0x00, 0x00},
                                        {0xDD, 0x00, 0x3B, 0x00, 0x00, 0x14, 0x00, 0x00}};
  EXPECT_EQ(std::vector(rig.Sent().end() - 3, rig.Sent().end()), readBacks);
  EXPECT_EQ(rig.Sent()[3], (Bytes{0xA2, 0x00, 0x01, 0x3B, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01}))
      << "its song entry is sent";
}

TEST(ProgrammingSequence, HeaderFields) {
  EXPECT_EQ(ProfileNumberOnTheWire(65278), 0xFEFE);
  EXPECT_EQ(ProfileNumberOnTheWire(-2), 0xFFFF) << "a number outside 0..65278 is sent as none";
  EXPECT_TRUE(HeaderCarriesButtonOneCount("02.00"));
  EXPECT_TRUE(HeaderCarriesButtonOneCount("112.03"));
  EXPECT_FALSE(HeaderCarriesButtonOneCount("01.99"));
  EXPECT_FALSE(HeaderCarriesButtonOneCount(""));
  EXPECT_FALSE(HeaderCarriesButtonOneCount("A2.07")) << "not a number reads as 0";
}

TEST(ProgrammingSequence, EachFailingStepEndsTheRunWithItsCodeAndText) {
  using enum SimulatedFault;
  const auto fault = [](std::uint8_t command, SimulatedFault how, int spared = 0) {
    return [=](Rig& rig) {
      rig.WorkedExample().Unit.InjectFault(command, how, std::nullopt, 1, spared);
    };
  };
  // How to spoil the run, the code it must end with, and the writes sent until then.
  const std::tuple<std::function<void(Rig&)>, int, std::size_t> cases[] = {
      {fault(CmdBeginMemory, Refused), -8, 1},
      {fault(CmdBeginMemory, Silent), -8, 1},
      {fault(CmdBeginMemory, Short), -8, 1},
      {fault(CmdMemoryHeader, Refused), -7, 2},
      {fault(CmdMemoryHeader, Short), -7, 2},
      {fault(CmdSongEntry, Refused, 1), -6, 4},
      {fault(CmdWriteDataNarrow, WriteFails), -3, 6},
      {fault(CmdWriteDataNarrow, Refused), -5, 7},
      {fault(CmdWriteDataNarrow, Silent), -11, 7},
      {fault(CmdWriteDataNarrow, Short), -11, 7},
      {fault(CmdWriteDataNarrow, Late), 0, 10},  // a late answer gets another read
      {fault(CmdReadMemory, Late), 0, 10},
      {fault(CmdReadMemory, Refused), -4, 8},
      {fault(CmdReadMemory, Silent), -4, 8},
      {fault(CmdReadMemory, ChangedByte), -9, 8},
      {fault(CmdReadMemory, Refused, 1), -4, 9},
      {fault(CmdReadMemory, ChangedByte, 1), -9, 9},
      {fault(CmdReadMemory, Short, 2), -9, 10},
      {[](Rig& rig) { rig.WorkedExample().Unit.FailOpen(true); }, -10, 0},
      {[](Rig& rig) { rig.WorkedExample().Unit.FailPurge(true); }, -10, 0},
      {[](Rig& rig) { rig.WorkedExample().Unit.ClaimElsewhere(true); }, -101, 0},
      {[](Rig& rig) { rig.WorkedExample().Unit.FailClose(true); }, -1, 10},
      {[](Rig& rig) {  // codes are never added together
         rig.WorkedExample().Unit.InjectFault(CmdBeginMemory, Refused);
         rig.Unit.FailClose(true);
       },
       -8, 1},
      {[](Rig& rig) { rig.Memory(0, 0x43); }, -12, 0},
      {[](Rig& rig) { rig.Memory(0, 0x55).AddSong("a.mp3", 10); }, -13, 0},
      {[](Rig& rig) { rig.Memory(0, 0x43).AddSong("a.wav", 262143 - 15).AddSong("b.mp3", 10); },
       -13, 0},
      {[](Rig& rig) { rig.WorkedExample().Job.Rows[1].Size = 5001; }, -2, 0},
      {[](Rig& rig) { rig.WorkedExample().Job.Rows[1].Size = 4999; }, -2, 0},
      {[](Rig& rig) {  // a song for the second memory that is missing stops the first as well
         rig.WorkedExample().Memory(1, 0x43);
         rig.Job.Rows.push_back({"gone.mp3", rig.Songs.Directory(), 260000});
       },
       -2, 0},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& [spoil, code, writes] = cases[i];
    SCOPED_TRACE(i);
    Rig rig;
    spoil(rig);
    const ProgrammingResult result = rig.Run();
    EXPECT_EQ(Code(result), code);
    EXPECT_EQ(rig.Sent().size(), writes);
    EXPECT_EQ(rig.Log.NotFound, code == -10 ? 1 : 0);
    EXPECT_TRUE(rig.LinkClosed() || rig.Unit.Traffic().CloseCalls > 0) << "or a close was tried";
    EXPECT_EQ(result.UnreadableRow.has_value(), code == -2) << "-2 names the song's row";
  }
  Rig rig;
  rig.WorkedExample().Memory(1, 0x43);
  rig.Job.Rows.push_back({"gone.mp3", rig.Songs.Directory(), 260000});
  EXPECT_EQ(rig.Run().UnreadableRow, std::optional<std::size_t>(2));
}

TEST(ProgrammingSequence, MemoriesTakeTheSongsInListOrder) {
  Rig largeInTheMiddle;
  largeInTheMiddle.Memory(0, 0x43).AddSong("a.mp3", 1000);
  largeInTheMiddle.Job.Rows.push_back({"gone.wav", "/nowhere/", 300000});
  largeInTheMiddle.AddSong("b.mp3", 500);
  const ProgrammingResult leftOut = largeInTheMiddle.Run();
  EXPECT_EQ(Code(leftOut), 0) << "a sound that is not placed is not read";
  EXPECT_EQ(leftOut.NotWrittenCount, 2u) << "the large sound and the one after it";
  EXPECT_EQ(largeInTheMiddle.Sent()[1][2], 1) << "only the sound before the large one";

  Rig manySongs;
  manySongs.Memory(0, 0x43).Memory(2, 0x43).Memory(5, 0x43).AddSong("tiny.wav", 1);
  manySongs.Job.Rows.resize(300, manySongs.Job.Rows.front());
  const ProgrammingResult allWritten = manySongs.Run();
  EXPECT_EQ(std::pair(Code(allWritten), allWritten.NotWrittenCount), std::pair(0, std::size_t{0}));
  std::vector<int> songCounts;
  for (const Bytes& write : manySongs.Sent()) {
    if (write[0] == CmdMemoryHeader) songCounts.push_back(write[2]);
  }
  EXPECT_EQ(songCounts, (std::vector{254, 46})) << "a memory takes at most 254 songs";
  EXPECT_EQ(manySongs.Sent().back(), (Bytes{0xED, 0x05})) << "the memory left over is only begun";
}

TEST(ProgrammingSequence, AStopEndsTheRunBetweenTwoPiecesAndClosesTheLink) {
  Rig rig;
  rig.Memory(0, 0x43).Memory(1, 0x43).AddSong("a.wav", 9000).AddSong("b.wav", 262000);
  std::stop_source stop;
  rig.Log.OnMoved = [&stop] { stop.request_stop(); };
  const ProgrammingResult stopped = rig.Run(stop.get_token());
  EXPECT_EQ(stopped.Code, ProgrammingCode::Stopped);
  std::vector<std::size_t> dataWrites;
  for (const Bytes& write : rig.Sent()) {
    if (write.size() > 16) dataWrites.push_back(write.size());
  }
  EXPECT_EQ(dataWrites, std::vector<std::size_t>{4096}) << "no further piece after the stop";
  EXPECT_EQ(rig.Sent().back().size(), 4096u) << "no command either";
  EXPECT_TRUE(rig.LinkClosed());

  rig.Log.OnMoved = {};
  rig.Unit.ClearTraffic();
  EXPECT_EQ(Code(rig.Run()), 0) << "the next run succeeds";
}

TEST(ProgrammingSequence, FullVerificationReadsEveryByteInRequestsOfAtMostOneKiB) {
  Rig rig;
  rig.Job.Verify = Verification::Full;
  rig.Memory(0, 0x43).AddSong("a.wav", 2500).AddSong("b.mp3", 1024).AddSong("c.mp3", 100);
  ASSERT_EQ(Code(rig.Run()), 0);
  std::vector<Bytes> readBacks;
  for (const Bytes& write : rig.Sent()) {
    if (write[0] == CmdReadMemory) readBacks.push_back(write);
  }
  const std::vector<Bytes> expected = {
      {0xDD, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00},  // the header
      {0xDD, 0x00, 0x31, 0x00, 0x00, 0x00, 0x04, 0x00},  // first KiB of each song
      {0xDD, 0x00, 0xF5, 0x09, 0x00, 0x00, 0x04, 0x00},
      {0xDD, 0x00, 0xF5, 0x0D, 0x00, 0x64, 0x00, 0x00},
      {0xDD, 0x00, 0x31, 0x04, 0x00, 0x00, 0x04, 0x00},  // then the rest of a.wav
      {0xDD, 0x00, 0x31, 0x08, 0x00, 0xC4, 0x01, 0x00},
  };
  EXPECT_EQ(readBacks, expected);
  EXPECT_EQ(rig.Log.Progress.back(), 100) << "the progress covers writing and every byte read";
}

TEST(ProgrammingSequence, FullVerificationFindsAByteTheUnitDidNotKeep) {
  const auto run = [](Verification verify) {
    Rig rig;
    rig.Job.Verify = verify;
    rig.Memory(0, 0x43).AddSong("first.mp3", 3000).AddSong("chime.mp3", 8000);
    // The second song starts after two entries, the write width and the first song.
    rig.Unit.SpoilCell(0, 32 + 1 + 3000 + 5000);
    const ProgrammingResult result = rig.Run();
    EXPECT_TRUE(rig.LinkClosed());
    return result;
  };
  const ProgrammingResult full = run(Verification::Full);
  EXPECT_EQ(Code(full), -9);
  ASSERT_TRUE(full.Difference.has_value());
  EXPECT_EQ(full.Difference->Row, 1u) << "the second song";
  EXPECT_EQ(full.Difference->Byte, 5000);

  EXPECT_EQ(Code(run(Verification::Quick)), 0) << "the quick check reads only the first KiB";
}

TEST(ProgrammingSequence, AReadAnswerChangedInItsLastByteIsADifference) {
  Rig rig;
  rig.Job.Verify = Verification::Full;
  rig.Memory(0, 0x43).AddSong("long.wav", 4000);
  // The header and the first KiB pass; the second KiB's answer comes back
  // with its byte 1,023 changed.
  rig.Unit.InjectFault(CmdReadMemory, SimulatedFault::ChangedByte, std::nullopt, 1, 2);
  const ProgrammingResult result = rig.Run();
  EXPECT_EQ(Code(result), -9);
  ASSERT_TRUE(result.Difference.has_value());
  EXPECT_EQ(result.Difference->Byte, 2047);
  EXPECT_EQ(rig.Sent().back(), (Bytes{0xDD, 0x00, 0x11, 0x04, 0x00, 0x00, 0x04, 0x00}))
      << "no request after the difference";
}

TEST(ProgrammingSequence, AStopDuringTheReadBackEndsTheRunBetweenRequests) {
  Rig rig;
  rig.Job.Verify = Verification::Full;
  rig.Memory(0, 0x43).AddSong("long.wav", 6000);
  std::stop_source stop;
  int readPieces = 0;
  rig.Log.OnMoved = [&] {
    // The song went in two pieces and the header came back: stop in the
    // middle of the first KiB's answer.
    if (++readPieces == 4) stop.request_stop();
  };
  EXPECT_EQ(rig.Run(stop.get_token()).Code, ProgrammingCode::Stopped);
  int requests = 0;
  for (const Bytes& write : rig.Sent()) requests += write[0] == CmdReadMemory;
  EXPECT_EQ(requests, 2) << "the request under way is read to its end, no further one is sent";
  EXPECT_TRUE(rig.LinkClosed());
}
