// A run from the page across both memories of the --simulate unit, checked
// byte for byte against the wire as written out here.
#include <QLabel>
#include <algorithm>
#include <cstdio>

#include "application/AppFixture.h"
#include "support/ProfileFiles.h"
#include "support/SignalWait.h"
#include "support/SongFolder.h"
#include "support/TemporaryFolder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Pause = std::pair<std::size_t, std::int64_t>;  // writes before it, milliseconds

// Commands as hexadecimal text, song data as its length, and the clock's
// pauses, in the order they happened.
std::vector<std::string> WireLines(const std::vector<Bytes>& writes,
                                   const std::vector<Pause>& pauses) {
  std::vector<std::string> lines;
  for (std::size_t index = 0; index < writes.size(); ++index) {
    for (const auto& [before, milliseconds] : pauses) {
      if (before == index) lines.push_back("pause " + std::to_string(milliseconds));
    }
    const Bytes& write = writes[index];
    std::string line = write.size() > 16 ? "data " + std::to_string(write.size()) : "";
    for (std::size_t i = 0; i < write.size() && write.size() <= 16; ++i) {
      char hex[4];
      std::snprintf(hex, sizeof hex, i == 0 ? "%02X" : " %02X", write[i]);
      line += hex;
    }
    lines.push_back(line);
  }
  return lines;
}

// The read requests of full verification after the first KiB: the rest of a
// song of `size` bytes at `address`, a KiB at a time.
std::vector<std::string> RestOfSongRead(int slot, std::uint32_t address, std::uint32_t size) {
  std::vector<std::string> lines;
  for (std::uint32_t offset = 1024; offset < size; offset += 1024) {
    const std::uint32_t at = address + offset;
    const std::uint32_t length = std::min<std::uint32_t>(1024, size - offset);
    char line[32];
    std::snprintf(line, sizeof line, "DD %02X %02X %02X %02X %02X %02X %02X", slot, at & 0xFF,
                  at >> 8 & 0xFF, at >> 16, length & 0xFF, length >> 8 & 0xFF, length >> 16);
    lines.emplace_back(line);
  }
  return lines;
}

}  // namespace

using ProgrammingBytes = AppFixture;

TEST_F(ProgrammingBytes, BothMemoriesOfTheSimulatedUnitFromTheEditorsProfile) {
  SongFolder songs;
  Bytes data = songs.Write("big.wav", 2097100);  // fills the wide memory in slot 0
  for (const auto& [name, size] : {std::pair{"small.mp3", 100}, {"tail.mp3", 200}}) {
    const Bytes song = songs.Write(name, size);
    data.insert(data.end(), song.begin(), song.end());
  }
  const std::string at = songs.Directory();
  std::filesystem::create_directory(ProgramFolder() + "Profiles");
  WriteFile(ProgramFolder() + "Profiles/Party.qvt",
            ProfileText(7, {{at + "big.wav", at + "small.mp3"}, {at + "tail.mp3"}}));
  StartProgram();
  Click(Start(), "bbContinue");
  Click(Editor(), "bbNext");
  ProgrammingPage* page = Programming();
  ASSERT_TRUE(page->isVisible());

  std::vector<Pause> pauses;
  clock.OnSleep = [&](std::chrono::milliseconds duration) {
    pauses.emplace_back(unit->Traffic().Writes.size(), duration.count());
  };
  unit->ClearTraffic();
  QSignalSpy ended(page, &ProgrammingPage::ProgrammingEnded);
  QSignalSpy probed(&vantora->Unit(), &UnitStatusHolder::Stored);
  Click(page, "bbProgram");
  ASSERT_TRUE(Arrived(ended));
  ASSERT_TRUE(Arrived(probed)) << "the probe after the run: the wire is quiet from then on";
  EXPECT_EQ(Find<QLabel>(page, "Label3")->text().left(8), "Success!");

  std::vector<std::string> expected = {
      "ED 00",                          // slot 0: wide, song 0 at 16 + 2
      "A1 00 01 01 07 00 02",           // one song, profile 7, Btn1 holds two
      "A2 00 00 12 00 00 CC FF 1F 01",  // 2,097,100 bytes at 0x12
      "A4 00 10 00 00 CC FF 1F",        // the wide write from 16
      "pause 125"};
  expected.insert(expected.end(), 511, "data 4096");
  const std::vector<std::string> rest = {
      "data 4044",
      "DD 00 00 00 00 10 00 00",   // the header read back
      "DD 00 12 00 00 00 04 00"};  // the first 1024 bytes of the song
  expected.insert(expected.end(), rest.begin(), rest.end());
  // Every byte is read back by default: the rest of the song, a KiB at a time.
  const std::vector<std::string> restOfSong = RestOfSongRead(0, 0x12, 2097100);
  ASSERT_EQ(restOfSong.size(), 2047u);
  expected.insert(expected.end(), restOfSong.begin(), restOfSong.end());
  const std::vector<std::string> second = {
      "ED 01",                          // slot 1: narrow, songs from 2 * 16 + 1
      "A1 01 02 01 07 00 02",           // two songs
      "A2 01 00 21 00 00 64 00 00 01",  // 100 bytes at 0x21
      "A2 01 01 85 00 00 C8 00 00 01",  // 200 bytes at 0x85
      "A3 01 20 00 00 2C 01 00",        // the narrow write from 32, 300 bytes
      "pause 125",
      "data 300",
      "DD 01 00 00 00 10 00 00",
      "DD 01 21 00 00 64 00 00",  // shorter songs are read back whole
      "DD 01 85 00 00 C8 00 00"};
  expected.insert(expected.end(), second.begin(), second.end());
  const std::vector<Bytes>& writes = unit->Traffic().Writes;
  const std::vector<std::string> lines = WireLines(writes, pauses);
  ASSERT_GE(lines.size(), expected.size());
  EXPECT_EQ(std::vector(lines.begin(), lines.begin() + expected.size()), expected);
  Bytes songData;
  for (const Bytes& write : writes) {
    if (write.size() > 16) songData.insert(songData.end(), write.begin(), write.end());
  }
  EXPECT_TRUE(songData == data) << "the files as they are, in list order";
  EXPECT_EQ(unit->MemoryImage(0)->Read(0, 16),
            (Bytes{0xFF, 0xFF, 0x02, 0x01, 0x01, 0x12, 0x00, 0x00, 0xCC, 0xFF, 0x1F, 0x01, 0xFF,
                   0xFF, 0x07, 0x00}));
  EXPECT_EQ(unit->MemoryImage(1)->Read(0, 16),
            (Bytes{0xFF, 0xFF, 0x02, 0x02, 0x01, 0x21, 0x00, 0x00, 0x64, 0x00, 0x00, 0x01, 0xFF,
                   0xFF, 0x07, 0x00}));
}
