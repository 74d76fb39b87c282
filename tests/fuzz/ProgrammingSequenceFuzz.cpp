// Runs the programming sequence against a simulated unit whose answers the
// input garbles, cuts short, withholds or replaces, and whose song list lies
// about sizes now and then. The sequence must not crash, must make only a
// bounded number of reads, each with its time-out, and may report success
// only when every memory's read-back gave exactly the expected bytes.
#include <algorithm>
#include <array>
#include <cstdlib>

#include "FuzzInput.h"
#include "device/ForwardingDriver.h"
#include "device/ProgrammingSequence.h"
#include "device/SimulatedUnit.h"
#include "support/ManualClock.h"
#include "support/SongFolder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Song files of telling sizes around the read-back's piece and length limits.
constexpr std::size_t SongSizes[] = {0, 1, 100, 255, 256, 1023, 1024, 1025, 4096, 5000, 20000};

struct SongShelf {
  SongShelf() {
    for (std::size_t size : SongSizes)
      Contents.push_back(Folder.Write("song" + std::to_string(Contents.size()), size));
  }
  SongFolder Folder;
  std::vector<Bytes> Contents;
};

// Passes the calls on to the simulated unit, altering them as the input says,
// and keeps what each read-back brought and how often each memory was begun.
class GarblingDriver final : public ForwardingDriver {
 public:
  GarblingDriver(SimulatedUnit& unit, ByteSource& input) : ForwardingDriver(unit), input_(input) {}

  std::vector<Bytes> ReadBacks;  // each read-back command, then every byte read after it
  std::array<int, 256> Begins{};
  int Reads = 0;
  bool OnlyKnownTimeouts = true;

  DriverStatus Write(DeviceHandle h, std::span<const std::uint8_t> data,
                     std::size_t& written) override {
    const bool command = pendingData_ == 0 && data.size() >= 2;
    pendingData_ -= std::min(pendingData_, data.size());
    readingBack_ = command && data[0] == CmdReadMemory;
    if (readingBack_) ReadBacks.emplace_back(data.begin(), data.end());
    if (command) Begins[data[1]] += data[0] == CmdBeginMemory;
    if (command && data.size() == WriteDataLength &&
        (data[0] == CmdWriteDataNarrow || data[0] == CmdWriteDataWide)) {
      pendingData_ = GetLittleEndian24(&data[5]);
    }
    const std::uint8_t mutation = input_.Next();
    if (mutation >= 0xF8) return written = 0, DriverIoError;
    return inner_.Write(h, mutation >= 0xF0 ? data.first(data.size() / 2) : data, written);
  }
  DriverStatus Read(DeviceHandle h, std::span<std::uint8_t> buffer,
                    std::chrono::milliseconds timeout, std::size_t& received) override {
    ++Reads;
    OnlyKnownTimeouts &= timeout == AnswerTimeout || timeout == DataAcknowledgementTimeout;
    const std::uint8_t mutation = input_.Next();
    DriverStatus status = DriverOk;
    received = 0;
    if (mutation >= 0xE0) {  // replaced
      received = input_.Next() % (buffer.size() + 1);
      for (std::size_t i = 0; i < received; ++i) buffer[i] = input_.Next();
    } else if (mutation < 0xA0 || mutation >= 0xC0) {  // passed on, cut short or one byte changed
      const bool cut = mutation >= 0xC0 && mutation < 0xD0;
      status = inner_.Read(
          h, cut ? buffer.first(std::min<std::size_t>(buffer.size(), mutation & 0x0F)) : buffer,
          timeout, received);
      if (mutation >= 0xD0 && received > 0) buffer[(mutation & 0x0F) % received] ^= input_.Next();
    }  // 0xA0 to 0xBF: silent
    if (readingBack_)
      ReadBacks.back().insert(ReadBacks.back().end(), buffer.begin(), buffer.begin() + received);
    return status;
  }

 private:
  ByteSource& input_;
  std::size_t pendingData_ = 0;  // bulk data still to come, never taken for commands
  bool readingBack_ = false;
};

struct QuietObserver final : ProgrammingObserver {
  void PhaseBegun(RunPhase, int) override {}
  void BytesMoved(std::uint64_t done, std::uint64_t total) override {
    Require(done > 0 && done <= total);
  }
  void ProgrammerLost() override {}
};

// The unit's memories and the song list, as the input says; a row's file is
// "song" and its index on the shelf (past the shelf: missing).
ProgrammingJob ReadJob(ByteSource& input, SimulatedUnit& unit, const std::string& folder) {
  constexpr std::uint8_t DeviceCodes[] = {0x41, 0x43, 0x44, 0x80, 0x8E, 0x55};
  ProgrammingJob job;
  UnitStatus& status = job.Status;
  const std::uint8_t installed = input.Next();
  for (int slot = 0; slot < MemorySlotCount; ++slot) {
    if ((installed >> slot & 1) == 0) continue;
    const std::uint8_t code = DeviceCodes[input.Next() % std::size(DeviceCodes)];
    unit.InstallMemory(slot, code);
    if (const RecognisedMemory* m = FindRecognisedMemory(code)) {
      status.Slots[slot] = {m->Capacity, code, m->WriteCommand, m->WriteWidth, -1};
    }
  }
  status.UnitPresent = true;
  status.FirmwareVersion = input.Next() & 1 ? "02.07" : "01.05";
  job.ButtonOneSoundCount = input.Next();
  const int low = input.Next();
  job.ProfileNumber = (low | input.Next() << 8) - 1000;
  const std::uint8_t flags = input.Next();
  unit.FailOpen(flags & 1);
  unit.FailPurge(flags & 2);
  unit.FailClose(flags & 4);
  job.Verify = flags & 8 ? Verification::Full : Verification::Quick;
  for (int song = 0, count = input.Next() % 16; song < count; ++song) {
    const std::size_t file = input.Next() % (std::size(SongSizes) + 1);
    std::int64_t size = file < std::size(SongSizes) ? SongSizes[file] : 10;
    const std::uint8_t lie = input.Next();
    if (lie >= 0xF1 && lie <= 0xF5) {
      size = std::array<std::int64_t, 5>{size + 1, size - 1, std::int64_t{1} << 40, -5,
                                         0x1000000}[lie - 0xF1];
    }
    job.Rows.push_back({"song" + std::to_string(file), folder, size});
  }
  std::vector<std::int64_t> sizes;
  for (const ProgramRow& row : job.Rows) sizes.push_back(row.Size);
  job.Packing = PackSounds(sizes, status);
  return job;
}

// A successful run began every recognised memory once, and its read-backs
// brought, in slot order, the header and the first bytes of every song that
// has any, then in full verification the rest of every song, of each memory
// that took songs, exactly as they were meant to be written.
void RequireVerifiedSuccess(const ProgrammingJob& job, const GarblingDriver& driver,
                            const SongShelf& shelf) {
  const int number = job.ProfileNumber;
  const int profile = number >= 0 && number <= 65278 ? number : 0xFFFF;
  std::vector<std::int64_t> sizes;
  for (const ProgramRow& row : job.Rows) sizes.push_back(row.Size);
  const SoundPacking packing = PackSounds(sizes, job.Status);
  Require(packing.FittingCount > 0);
  std::size_t next = 0;
  const auto requireReadBack = [&](int slot, std::uint32_t address,
                                   std::span<const std::uint8_t> bytes) {
    Require(next < driver.ReadBacks.size());
    const Bytes& record = driver.ReadBacks[next++];
    Bytes command = {CmdReadMemory, static_cast<std::uint8_t>(slot), 0, 0, 0, 0, 0, 0};
    PutLittleEndian24(&command[2], address);
    PutLittleEndian24(&command[5], static_cast<std::uint32_t>(bytes.size()));
    Require(record.size() == command.size() + ReadMemoryAnswerLength + bytes.size());
    Require(std::equal(command.begin(), command.end(), record.begin()) &&
            record[command.size()] == AckByte);
    Require(std::equal(bytes.begin(), bytes.end(),
                       record.end() - static_cast<std::ptrdiff_t>(bytes.size())));
  };
  for (const MemoryAssignment& memory : packing.Memories) {
    Require(driver.Begins[memory.Slot] == 1);
    if (memory.SongCount() == 0) continue;
    auto address = static_cast<std::uint32_t>(16 * memory.SongCount() +
                                              job.Status.Slots[memory.Slot].WriteWidth);
    Bytes header(MemoryHeaderSize, 0xFF);
    if (job.Status.FirmwareVersion == "02.07") header[2] = job.ButtonOneSoundCount & 0xFF;
    header[3] = memory.SongCount() & 0xFF;
    header[4] = header[11] = 0x01;
    PutLittleEndian24(&header[5], address);
    PutLittleEndian24(&header[8], static_cast<std::uint32_t>(job.Rows[memory.First].Size));
    header[14] = profile & 0xFF;
    header[15] = profile >> 8;
    requireReadBack(memory.Slot, 0, header);
    const auto content = [&](std::size_t song) -> const Bytes& {
      const std::size_t file = std::stoul(job.Rows[song].FileName.substr(4));
      Require(file < shelf.Contents.size());
      return shelf.Contents[file];
    };
    const std::uint32_t firstSong = address;
    for (std::size_t song = memory.First; song < memory.Next; ++song) {
      const std::size_t compared = std::min(content(song).size(), VerifyLength);
      // An empty song is not read back.
      if (compared > 0) {
        requireReadBack(memory.Slot, address, std::span(content(song)).first(compared));
      }
      address += static_cast<std::uint32_t>(content(song).size());
    }
    if (job.Verify == Verification::Quick) continue;
    address = firstSong;
    for (std::size_t song = memory.First; song < memory.Next; ++song) {
      const std::span<const std::uint8_t> bytes = content(song);
      for (std::size_t offset = VerifyLength; offset < bytes.size(); offset += VerifyLength) {
        requireReadBack(memory.Slot, address + static_cast<std::uint32_t>(offset),
                        bytes.subspan(offset, std::min(VerifyLength, bytes.size() - offset)));
      }
      address += static_cast<std::uint32_t>(bytes.size());
    }
  }
  Require(next == driver.ReadBacks.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const SongShelf shelf;
  ByteSource input{std::span(data, size)};
  SimulatedUnit unit;
  unit.RecordWrites(false);
  const ProgrammingJob job = ReadJob(input, unit, shelf.Folder.Directory());
  GarblingDriver driver(unit, input);
  DeviceLink link(driver);
  link.Description = SimulatedUnit::DefaultDescription;
  ManualClock clock;
  QuietObserver observer;
  const ProgrammingResult result = ProgrammingSequence(job, link, clock, observer).ProgramUnit();

  Require(driver.OnlyKnownTimeouts);
  // Full verification adds one request per further KiB of the largest song,
  // each an answer and up to five pieces.
  const int readsPerRow = job.Verify == Verification::Full ? 7 + 6 * 20 : 7;
  Require(driver.Reads <= 8 * MemorySlotCount + readsPerRow * static_cast<int>(job.Rows.size()));
  Require(result.Code != ProgrammingCode::Stopped);
  if (result.Succeeded()) RequireVerifiedSuccess(job, driver, shelf);
  return 0;
}
