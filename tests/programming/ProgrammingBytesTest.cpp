// A run from the page across both memories of the --simulate unit, checked
// byte for byte against the wire as written out here.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>

#include "app/StartPage.h"
#include "app/VantoraApplication.h"
#include "device/ForwardingDriver.h"
#include "device/SimulatedUnit.h"
#include "devicethread/DeviceThread.h"
#include "editor/ProfileEditor.h"
#include "programming/ProgrammingPage.h"
#include "support/ScriptedPrompts.h"
#include "support/SignalWait.h"
#include "support/SongFolder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Commands as hexadecimal text, song data as its length, and the clock's
// pauses, in the order they happened; the song data itself is kept apart.
// The device thread writes the log while the test reads it.
class WireLog final : public ForwardingDriver, public Clock {
 public:
  using ForwardingDriver::ForwardingDriver;

  DriverStatus Write(DeviceHandle h, std::span<const std::uint8_t> data,
                     std::size_t& written) override {
    std::string line;
    if (data.size() > 16) {  // commands are shorter
      line = "data " + std::to_string(data.size());
    } else {
      for (std::uint8_t byte : data) {
        char hex[4];
        std::snprintf(hex, sizeof hex, line.empty() ? "%02X" : " %02X", byte);
        line += hex;
      }
    }
    {
      const std::lock_guard lock(mutex_);
      lines_.push_back(line);
      if (data.size() > 16) songData_.insert(songData_.end(), data.begin(), data.end());
    }
    return inner_.Write(h, data, written);
  }
  std::int64_t NowMilliseconds() override { return 0; }
  void Sleep(std::chrono::milliseconds duration) override {
    const std::lock_guard lock(mutex_);
    lines_.push_back("pause " + std::to_string(duration.count()));
  }

  void Clear() {
    const std::lock_guard lock(mutex_);
    lines_.clear();
    songData_.clear();
  }
  std::vector<std::string> Lines() {
    const std::lock_guard lock(mutex_);
    return lines_;
  }
  Bytes SongData() {
    const std::lock_guard lock(mutex_);
    return songData_;
  }

 private:
  std::mutex mutex_;
  std::vector<std::string> lines_;
  Bytes songData_;
};

}  // namespace

TEST(ProgrammingBytes, BothMemoriesOfTheSimulatedUnitFromTheEditorsProfile) {
  QTemporaryDir programFolder;
  const std::string folder = programFolder.path().toStdString() + "/";
  SongFolder songs;
  Bytes data = songs.Write("big.wav", 2097100);  // fills the wide memory in slot 0
  for (const auto& [name, size] : {std::pair{"small.mp3", 100}, {"tail.mp3", 200}}) {
    const Bytes song = songs.Write(name, size);
    data.insert(data.end(), song.begin(), song.end());
  }
  std::filesystem::create_directory(folder + "Profiles");
  std::ofstream(folder + "Profiles/Party.qvt")
      << "[Profile]\r\nID=7\r\nNumButtons=2\r\n[Button0]\r\nNumSounds=2\r\nSound0="
      << songs.Directory() << "big.wav\r\nSound1=" << songs.Directory()
      << "small.mp3\r\n[Button1]\r\nNumSounds=1\r\nSound0=" << songs.Directory() << "tail.mp3\r\n";
  std::unique_ptr<SimulatedUnit> unit = SimulatedUnit::StandardUnit();
  WireLog wire(*unit);
  ScriptedPrompts prompts;
  VantoraApplication vantora(AppPorts{wire, wire, prompts, folder, folder + "Profiles/", [] {},
                                      [](const QUrl&) { return true; }});
  // Only the run talks to the unit once the first probe is over.
  vantora.Pages().Form1->findChild<QTimer*>("Timer1")->stop();
  QSignalSpy probed(&vantora.Device(), &DeviceThread::UnitProbed);
  ASSERT_TRUE(Arrived(probed)) << "the first probe";
  vantora.ShowStartPage();
  QTest::mouseClick(vantora.Pages().fStart->findChild<QPushButton*>("bbContinue"), Qt::LeftButton);
  QTest::mouseClick(vantora.Pages().Form3->findChild<QPushButton*>("bbNext"), Qt::LeftButton);
  ProgrammingPage* page = vantora.Pages().Form1;
  ASSERT_TRUE(page->isVisible());

  wire.Clear();
  QSignalSpy ended(page, &ProgrammingPage::ProgrammingEnded);
  QTest::mouseClick(page->findChild<QPushButton*>("bbProgram"), Qt::LeftButton);
  ASSERT_TRUE(Arrived(ended));
  EXPECT_EQ(page->findChild<QLabel*>("Label3")->text().left(8), "Success!");

  std::vector<std::string> expected = {
      "ED 00",                          // slot 0: wide, song 0 at 16 + 2
      "A1 00 01 01 07 00 02",           // one song, profile 7, Btn1 holds two
      "A2 00 00 12 00 00 CC FF 1F 01",  // 2,097,100 bytes at 0x12
      "A4 00 10 00 00 CC FF 1F",        // the wide write from 16
      "pause 125"};
  expected.insert(expected.end(), 511, "data 4096");
  const std::vector<std::string> rest = {
      "data 4044",
      "DD 00 00 00 00 10 00 00",        // the header read back
      "DD 00 12 00 00 00 04 00",        // the first 1024 bytes of the song
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
  expected.insert(expected.end(), rest.begin(), rest.end());
  const std::vector<std::string> lines = wire.Lines();
  ASSERT_GE(lines.size(), expected.size());
  EXPECT_EQ(std::vector(lines.begin(), lines.begin() + expected.size()), expected);
  EXPECT_TRUE(wire.SongData() == data) << "the files as they are, in list order";
  EXPECT_EQ(unit->MemoryImage(0)->Read(0, 16),
            (Bytes{0xFF, 0xFF, 0x02, 0x01, 0x01, 0x12, 0x00, 0x00, 0xCC, 0xFF, 0x1F, 0x01, 0xFF,
                   0xFF, 0x07, 0x00}));
  EXPECT_EQ(unit->MemoryImage(1)->Read(0, 16),
            (Bytes{0xFF, 0xFF, 0x02, 0x02, 0x01, 0x21, 0x00, 0x00, 0x64, 0x00, 0x00, 0x01, 0xFF,
                   0xFF, 0x07, 0x00}));
}
