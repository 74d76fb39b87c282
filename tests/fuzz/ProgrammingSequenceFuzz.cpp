// Runs the programming sequence against a simulated unit whose answers the
// input garbles, cuts short, withholds or replaces, and whose song list lies
// about sizes now and then. The sequence must not crash, must make only a
// bounded number of reads, each with its time-out, and may report success
// only when every memory's read-back gave exactly the expected bytes.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <vector>

#include "device/ProgrammingSequence.h"
#include "device/SimulatedUnit.h"
#include "device/WireCommands.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// The fuzz input, read front to back; 0 once it is used up.
class ByteSource {
 public:
  explicit ByteSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint8_t Next() { return position_ < bytes_.size() ? bytes_[position_++] : 0; }
  bool Empty() const { return position_ >= bytes_.size(); }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

void Require(bool condition) {
  if (!condition) std::abort();
}

// Song files of telling sizes around the read-back's piece and length limits.
class SongShelf {
 public:
  static constexpr std::size_t Sizes[] = {0, 1, 100, 255, 256, 1023, 1024, 1025, 4096, 5000, 20000};

  SongShelf() {
    std::string pattern = (std::filesystem::temp_directory_path() / "fuzz-songs-XXXXXX").string();
    folder_ = mkdtemp(pattern.data());
    for (std::size_t i = 0; i < std::size(Sizes); ++i) {
      Bytes bytes(Sizes[i]);
      for (std::size_t j = 0; j < bytes.size(); ++j)
        bytes[j] = static_cast<std::uint8_t>(i * 31 + j);
      std::ofstream(folder_ / Name(i), std::ios::binary)
          .write(reinterpret_cast<const char*>(bytes.data()),
                 static_cast<std::streamsize>(bytes.size()));
      contents_.push_back(std::move(bytes));
    }
  }
  ~SongShelf() { std::filesystem::remove_all(folder_); }

  std::string Directory() const { return folder_.string() + "/"; }
  static std::string Name(std::size_t index) { return "song" + std::to_string(index) + ".wav"; }
  const Bytes& Content(std::size_t index) const { return contents_[index]; }

 private:
  std::filesystem::path folder_;
  std::vector<Bytes> contents_;
};

// One command or data write, and every byte that was read after it.
struct Exchanged {
  Bytes Written;
  Bytes Delivered;
  bool IsData = false;
};

// Passes the calls on to the simulated unit, altering them as the input says.
class GarblingDriver final : public ProgrammerDriver {
 public:
  GarblingDriver(SimulatedUnit& unit, ByteSource& input) : unit_(unit), input_(input) {}

  std::vector<Exchanged> Log;
  int Reads = 0;
  bool OnlyKnownTimeouts = true;

  std::string ListDevices() override { return unit_.ListDevices(); }
  DriverStatus Open(const std::string& description, DeviceHandle& handle) override {
    return unit_.Open(description, handle);
  }
  DriverStatus Close(DeviceHandle handle) override { return unit_.Close(handle); }
  DriverStatus Purge(DeviceHandle handle) override { return unit_.Purge(handle); }

  DriverStatus Write(DeviceHandle handle, std::span<const std::uint8_t> data,
                     std::size_t& written) override {
    const bool isData = pendingData_ > 0;
    if (isData) {
      pendingData_ -= std::min<std::size_t>(pendingData_, data.size());
    } else if (data.size() == WriteDataLength &&
               (data[0] == CmdWriteDataNarrow || data[0] == CmdWriteDataWide)) {
      pendingData_ = GetLittleEndian24(&data[5]);
    }
    Log.push_back({Bytes(data.begin(), data.end()), {}, isData});
    const std::uint8_t mutation = input_.Next();
    if (mutation >= 0xF8) {
      written = 0;
      return DriverIoError;
    }
    if (mutation >= 0xF0) return unit_.Write(handle, data.first(data.size() / 2), written);
    return unit_.Write(handle, data, written);
  }

  DriverStatus Read(DeviceHandle handle, std::span<std::uint8_t> buffer,
                    std::chrono::milliseconds timeout, std::size_t& received) override {
    ++Reads;
    OnlyKnownTimeouts &= timeout == AnswerTimeout || timeout == DataAcknowledgementTimeout;
    const DriverStatus status = GarbledRead(handle, buffer, timeout, received);
    if (!Log.empty())
      Log.back().Delivered.insert(Log.back().Delivered.end(), buffer.begin(),
                                  buffer.begin() + received);
    return status;
  }

 private:
  DriverStatus GarbledRead(DeviceHandle handle, std::span<std::uint8_t> buffer,
                           std::chrono::milliseconds timeout, std::size_t& received) {
    const std::uint8_t mutation = input_.Next();
    received = 0;
    if (mutation < 0xA0) return unit_.Read(handle, buffer, timeout, received);
    if (mutation < 0xC0) return DriverOk;  // silent
    if (mutation < 0xD0) {
      return unit_.Read(handle, buffer.first(std::min<std::size_t>(buffer.size(), mutation & 0x0F)),
                        timeout, received);
    }
    if (mutation < 0xE0) {
      const DriverStatus status = unit_.Read(handle, buffer, timeout, received);
      if (received > 0) buffer[(mutation & 0x0F) % received] ^= input_.Next();
      return status;
    }
    received = input_.Next() % (buffer.size() + 1);
    for (std::size_t i = 0; i < received; ++i) buffer[i] = input_.Next();
    return DriverOk;
  }

  SimulatedUnit& unit_;
  ByteSource& input_;
  std::size_t pendingData_ = 0;
};

class InstantClock final : public Clock {
 public:
  std::int64_t NowMilliseconds() override { return 0; }
  void Sleep(std::chrono::milliseconds) override {}
};

struct QuietObserver final : ProgrammingObserver {
  void ClearResultLine() override {}
  void ShowProgress(int percent) override { Require(percent >= 0 && percent <= 100); }
  void ShowProgrammerNotFound() override {}
};

constexpr std::uint8_t DeviceCodes[] = {0x41, 0x43, 0x44, 0x80, 0x8E, 0x55};

// What the unit's memories and the song list look like, from the input.
struct Scenario {
  UnitStatus Status;
  ProgrammingJob Job;
  std::vector<std::size_t> Files;  // the shelf file of each row; missing ones past the shelf
  bool LongHeader = false;
  std::uint16_t ProfileOnTheWire = 0;
};

Scenario ReadScenario(ByteSource& input, SimulatedUnit& unit, const SongShelf& shelf) {
  Scenario scenario;
  const std::uint8_t installed = input.Next();
  for (int slot = 0; slot < MemorySlotCount; ++slot) {
    if ((installed & (1 << slot)) == 0) continue;
    const std::uint8_t code = DeviceCodes[input.Next() % std::size(DeviceCodes)];
    unit.InstallMemory(slot, code);
    if (const RecognisedMemory* memory = FindRecognisedMemory(code)) {
      scenario.Status.Slots[slot] = {memory->Capacity, memory->DeviceCode, memory->WriteCommand,
                                     memory->WriteWidth, -1};
    }
  }
  scenario.Status.UnitPresent = true;
  scenario.LongHeader = (input.Next() & 1) != 0;
  scenario.Status.FirmwareVersion = scenario.LongHeader ? "02.07" : "01.05";
  scenario.Job.ButtonOneSoundCount = input.Next();
  const int profileNumber = (input.Next() | (input.Next() << 8)) - 1000;
  scenario.ProfileOnTheWire = profileNumber >= 0 && profileNumber <= 65278 ? profileNumber : 0xFFFF;
  scenario.Job.ProfileNumber = profileNumber;
  const std::uint8_t flags = input.Next();
  unit.FailOpen(flags & 1);
  unit.FailPurge(flags & 2);
  unit.FailClose(flags & 4);

  const int songCount = input.Next() % 16;
  for (int song = 0; song < songCount; ++song) {
    const std::size_t file = input.Next() % (std::size(SongShelf::Sizes) + 1);
    std::int64_t size = file < std::size(SongShelf::Sizes) ? SongShelf::Sizes[file] : 10;
    const std::uint8_t lie = input.Next();
    if (lie == 0xF1) size += 1;
    if (lie == 0xF2) size -= 1;
    if (lie == 0xF3) size = std::int64_t{1} << 40;
    if (lie == 0xF4) size = -5;
    if (lie == 0xF5) size = 0x1000000;
    scenario.Files.push_back(file);
    scenario.Job.Rows.push_back({SongShelf::Name(file), shelf.Directory(), size});
  }
  scenario.Job.Status = scenario.Status;
  return scenario;
}

Bytes ExpectedHeader(const Scenario& scenario, const MemoryAssignment& memory) {
  Bytes header(MemoryHeaderSize, 0xFF);
  if (scenario.LongHeader) header[2] = static_cast<std::uint8_t>(scenario.Job.ButtonOneSoundCount);
  header[3] = static_cast<std::uint8_t>(memory.SongCount());
  header[4] = 0x01;
  PutLittleEndian24(&header[5],
                    static_cast<std::uint32_t>(16 * memory.SongCount() +
                                               scenario.Status.Slots[memory.Slot].WriteWidth));
  PutLittleEndian24(&header[8], static_cast<std::uint32_t>(scenario.Job.Rows[memory.First].Size));
  header[11] = 0x01;
  header[14] = static_cast<std::uint8_t>(scenario.ProfileOnTheWire);
  header[15] = static_cast<std::uint8_t>(scenario.ProfileOnTheWire >> 8);
  return header;
}

// The read-back command and its answer: the acknowledgement, then exactly
// the expected bytes.
void RequireReadBack(const Exchanged& readBack, int slot, std::uint32_t address,
                     const Bytes& expected) {
  Bytes command = {CmdReadMemory, static_cast<std::uint8_t>(slot), 0, 0, 0, 0, 0, 0};
  PutLittleEndian24(&command[2], address);
  PutLittleEndian24(&command[5], static_cast<std::uint32_t>(expected.size()));
  Require(readBack.Written == command);
  Require(readBack.Delivered.size() == ReadMemoryAnswerLength + expected.size());
  Require(readBack.Delivered[0] == AckByte);
  Require(std::equal(expected.begin(), expected.end(),
                     readBack.Delivered.begin() + ReadMemoryAnswerLength));
}

// A successful run visited every recognised memory once and read back each
// one that took songs, header and every song, as the unit wrote them.
void RequireVerifiedSuccess(const Scenario& scenario, const std::vector<Exchanged>& log,
                            const SongShelf& shelf) {
  std::vector<std::int64_t> sizes;
  for (const ProgramRow& row : scenario.Job.Rows) sizes.push_back(row.Size);
  const SoundPacking packing = PackSounds(sizes, scenario.Status);
  Require(packing.FittingCount > 0);
  for (const MemoryAssignment& memory : packing.Memories) {
    std::vector<const Exchanged*> readBacks;
    int begins = 0;
    for (const Exchanged& exchanged : log) {
      if (exchanged.IsData || exchanged.Written.size() < 2 || exchanged.Written[1] != memory.Slot) {
        continue;
      }
      if (exchanged.Written[0] == CmdBeginMemory) ++begins;
      if (exchanged.Written[0] == CmdReadMemory) readBacks.push_back(&exchanged);
    }
    Require(begins == 1);
    if (memory.SongCount() == 0) {
      Require(readBacks.empty());
      continue;
    }
    Require(readBacks.size() == 1 + memory.SongCount());
    RequireReadBack(*readBacks[0], memory.Slot, 0, ExpectedHeader(scenario, memory));
    std::uint32_t address = static_cast<std::uint32_t>(
        16 * memory.SongCount() + scenario.Status.Slots[memory.Slot].WriteWidth);
    for (std::size_t k = 0; k < memory.SongCount(); ++k) {
      const Bytes& content = shelf.Content(scenario.Files[memory.First + k]);
      const std::size_t length = std::min<std::size_t>(content.size(), VerifyLength);
      RequireReadBack(*readBacks[1 + k], memory.Slot, address,
                      Bytes(content.begin(), content.begin() + length));
      address += static_cast<std::uint32_t>(content.size());
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const SongShelf shelf;
  ByteSource input(std::span(data, size));
  SimulatedUnit unit;
  unit.RecordWrites(false);
  const Scenario scenario = ReadScenario(input, unit, shelf);
  GarblingDriver driver(unit, input);
  DeviceLink link(driver);
  link.Description = SimulatedUnit::DefaultDescription;
  InstantClock clock;
  QuietObserver observer;

  const ProgrammingResult result =
      ProgrammingSequence(scenario.Job, link, clock, observer).ProgramUnit();

  Require(driver.OnlyKnownTimeouts);
  Require(driver.Reads <= 8 * MemorySlotCount + 7 * static_cast<int>(scenario.Job.Rows.size()));
  Require(result.Succeeded() == result.ErrorText.empty());
  if (result.Succeeded()) RequireVerifiedSuccess(scenario, driver.Log, shelf);
  return 0;
}
