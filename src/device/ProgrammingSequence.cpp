#include "device/ProgrammingSequence.h"

#include <algorithm>
#include <charconv>
#include <fstream>

#include "device/Exchange.h"
#include "device/SongFile.h"
#include "device/WireCommands.h"

namespace {

// The acknowledgement after the song data may take this many reads to arrive.
constexpr int DataAcknowledgementReads = 3;
constexpr std::uint8_t EntryMarker = 0x01;
constexpr double FirstVersionWithButtonOneCount = 2.0;

std::uint8_t LowByte(std::uint64_t value) {
  return static_cast<std::uint8_t>(value);
}

std::uint8_t HighByte(std::uint16_t value) {
  return static_cast<std::uint8_t>(value >> 8);
}

}  // namespace

std::uint16_t ProfileNumberOnTheWire(int profileNumber) {
  if (profileNumber < 0 || profileNumber > MaxStoredProfileNumber) return NoStoredProfileNumber;
  return static_cast<std::uint16_t>(profileNumber);
}

bool HeaderCarriesButtonOneCount(const std::string& firmwareVersion) {
  const bool decimal = !firmwareVersion.empty() &&
                       std::all_of(firmwareVersion.begin(), firmwareVersion.end(),
                                   [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
  double version = 0;
  if (decimal) {
    const char* end = firmwareVersion.data() + firmwareVersion.size();
    const auto [stop, error] =
        std::from_chars(firmwareVersion.data(), end, version, std::chars_format::fixed);
    if (error != std::errc() || stop != end) version = 0;
  }
  return version >= FirstVersionWithButtonOneCount;
}

ProgrammingResult ProgrammingSequence::ProgramUnit() {
  if (job_.Rows.empty()) return {ProgrammingCode::NoSongsToProgram};
  const SoundPacking& packing = job_.Packing;
  if (packing.FittingCount == 0) return {ProgrammingCode::SongTooLarge};
  // Nothing is sent unless every song to be written can be sent whole.
  if (!CheckSongFiles(packing.FittingCount)) {
    return {ProgrammingCode::SongFileUnreadable, 0, std::nullopt, unreadableRow_};
  }
  toMove_ = BytesToMove();
  for (const MemoryAssignment& memory : packing.Memories) {
    if (stop_.stop_requested()) return {ProgrammingCode::Stopped};
    const ProgrammingCode code = ProgramMemory(memory);
    observer_.MemoryFinished(memory.Slot, code);
    if (code != ProgrammingCode::Succeeded) return {code, 0, difference_, unreadableRow_};
  }
  return {ProgrammingCode::Succeeded, job_.Rows.size() - packing.FittingCount};
}

std::uint64_t ProgrammingSequence::BytesToMove() const {
  std::uint64_t bytes = 0;
  for (const MemoryAssignment& memory : job_.Packing.Memories) {
    if (memory.Used == 0) continue;
    bytes += MemoryHeaderSize;
    for (std::size_t song = memory.First; song < memory.Next; ++song) {
      const auto size = static_cast<std::uint64_t>(job_.Rows[song].Size);
      const bool full = job_.Verify == Verification::Full;
      // Written once, and read back in whole or as far as the quick check goes.
      bytes += size + (full ? size : std::min<std::uint64_t>(size, VerifyLength));
    }
  }
  return bytes;
}

void ProgrammingSequence::Moved(std::size_t bytes) {
  moved_ += bytes;
  observer_.BytesMoved(moved_, toMove_);
}

bool ProgrammingSequence::CheckSongFiles(std::size_t songCount) {
  for (std::size_t song = 0; song < songCount; ++song) {
    const ProgramRow& row = job_.Rows[song];
    if (!ReadSongFile(row.FullPath(), row.Size, [](std::span<const std::uint8_t>) {})) {
      Unreadable(song);
      return false;
    }
  }
  return true;
}

ProgrammingCode ProgrammingSequence::Unreadable(std::size_t song) {
  unreadableRow_ = song;
  return ProgrammingCode::SongFileUnreadable;
}

ProgrammingCode ProgrammingSequence::ProgramMemory(const MemoryAssignment& memory) {
  observer_.PhaseBegun(RunPhase::Writing, memory.Slot);
  std::vector<std::uint8_t> data;
  if (!ReadSongData(memory, data)) return ProgrammingCode::SongFileUnreadable;
  ProgrammingCode code = ProgrammingCode::Succeeded;
  const LinkOpening opening = link_.OpenLink();
  if (opening == LinkOpening::InUse) {
    code = ProgrammingCode::ProgrammerInUse;
  } else if (Failed(opening)) {
    observer_.ProgrammerLost();
    code = ProgrammingCode::ProgrammerUnreachable;
  } else {
    code = WriteMemory(memory, data);
  }
  // The link is closed whatever happened, a stop included; a failed close is
  // reported only when nothing else failed.
  const LinkClosing closed = link_.CloseLink();
  if (code == ProgrammingCode::Succeeded && closed == LinkClosing::CloseFailed) {
    code = ProgrammingCode::CloseFailed;
  }
  return code;
}

bool ProgrammingSequence::ReadSongData(const MemoryAssignment& memory,
                                       std::vector<std::uint8_t>& data) {
  data.reserve(static_cast<std::size_t>(memory.Used) - SoundOverheadBytes * memory.SongCount());
  for (std::size_t song = memory.First; song < memory.Next; ++song) {
    const ProgramRow& row = job_.Rows[song];
    const bool whole = ReadSongFile(row.FullPath(), row.Size, [&data](auto piece) {
      data.insert(data.end(), piece.begin(), piece.end());
    });
    if (!whole) {
      Unreadable(song);
      return false;
    }
  }
  return true;
}

ProgrammingCode ProgrammingSequence::WriteMemory(const MemoryAssignment& memory,
                                                 const std::vector<std::uint8_t>& data) {
  const auto slot = static_cast<std::uint8_t>(memory.Slot);
  if (!Exchange(link_, {CmdBeginMemory, slot}, BeginMemoryAnswerLength)
           .IsAcknowledged(BeginMemoryAnswerLength)) {
    return ProgrammingCode::BeginMemoryRefused;
  }
  if (memory.Used == 0) return ProgrammingCode::Succeeded;
  MemoryHeader expected;
  expected.fill(ErasedByte);
  using enum ProgrammingCode;
  ProgrammingCode code = SendMemoryHeader(memory, expected);
  if (code == Succeeded) code = SendSongEntries(memory, expected);
  if (code == Succeeded) code = SendSongData(memory, data);
  if (code == Succeeded) code = ReadDataAcknowledgement();
  if (code == Succeeded) code = ReadBackHeader(memory.Slot, expected);
  if (code == Succeeded) code = VerifySongs(memory);
  return code;
}

ProgrammingCode ProgrammingSequence::SendMemoryHeader(const MemoryAssignment& memory, MemoryHeader& expected) {
  const std::uint16_t profile = ProfileNumberOnTheWire(job_.ProfileNumber);
  const std::uint8_t songCount = LowByte(memory.SongCount());
  const std::uint8_t buttonOneCount = LowByte(static_cast<std::uint64_t>(job_.ButtonOneSoundCount));
  const std::array<std::uint8_t, LongHeaderLength> command{
      CmdMemoryHeader,  static_cast<std::uint8_t>(memory.Slot),
      songCount,        EntryMarker,
      LowByte(profile), HighByte(profile),
      buttonOneCount};
  const bool longForm = HeaderCarriesButtonOneCount(job_.Status.FirmwareVersion);
  const std::size_t length = longForm ? LongHeaderLength : ShortHeaderLength;
  if (!Exchange(link_, std::span(command).first(length), length + 1).IsAcknowledged(length + 1)) {
    return ProgrammingCode::MemoryHeaderRefused;
  }
  if (longForm) expected[2] = buttonOneCount;
  expected[3] = songCount;
  expected[4] = EntryMarker;
  expected[14] = LowByte(profile);
  expected[15] = HighByte(profile);
  return ProgrammingCode::Succeeded;
}

ProgrammingCode ProgrammingSequence::SendSongEntries(const MemoryAssignment& memory, MemoryHeader& expected) {
  std::uint32_t address = FirstSongAddress(memory);
  for (std::size_t k = 0; k < memory.SongCount(); ++k) {
    const auto size = static_cast<std::uint32_t>(job_.Rows[memory.First + k].Size);
    std::array<std::uint8_t, SongEntryLength> command{
        CmdSongEntry, static_cast<std::uint8_t>(memory.Slot), LowByte(k)};
    PutLittleEndian24(&command[3], address);
    PutLittleEndian24(&command[6], size);
    command[9] = EntryMarker;
    if (!Exchange(link_, command, SongEntryAnswerLength).IsAcknowledged(SongEntryAnswerLength)) {
      return ProgrammingCode::SongEntryRefused;
    }
    // The first entry shares the memory's first 16 bytes with the header.
    if (k == 0) std::copy(command.begin() + 3, command.end(), expected.begin() + 5);
    address += size;
  }
  return ProgrammingCode::Succeeded;
}

ProgrammingCode ProgrammingSequence::SendSongData(const MemoryAssignment& memory,
                                                  const std::vector<std::uint8_t>& data) {
  std::array<std::uint8_t, WriteDataLength> command{job_.Status.Slots[memory.Slot].WriteCommand,
                                                    static_cast<std::uint8_t>(memory.Slot)};
  PutLittleEndian24(&command[2], static_cast<std::uint32_t>(MemoryHeaderSize * memory.SongCount()));
  PutLittleEndian24(&command[5], static_cast<std::uint32_t>(data.size()));
  link_.SendBytes(command);
  clock_.Sleep(DataPause);
  for (std::size_t sent = 0; sent < data.size();) {
    if (stop_.stop_requested()) return ProgrammingCode::Stopped;
    const std::size_t piece = std::min(DataChunkSize, data.size() - sent);
    const LinkTransfer transfer = link_.SendBytes(std::span(data).subspan(sent, piece));
    // A piece that went out only in part is lost data, as much as a failed call.
    if (transfer.Status != DriverOk || transfer.Count != piece) {
      return ProgrammingCode::SongDataWriteFailed;
    }
    sent += piece;
    Moved(piece);
  }
  return ProgrammingCode::Succeeded;
}

ProgrammingCode ProgrammingSequence::ReadDataAcknowledgement() {
  Answer answer;
  for (int read = 0; read < DataAcknowledgementReads && answer.Count != DataAcknowledgementLength;
       ++read) {
    answer = ReceiveAnswer(link_, DataAcknowledgementLength, DataAcknowledgementTimeout);
  }
  if (answer.Count != DataAcknowledgementLength) return ProgrammingCode::SongDataUnacknowledged;
  if (answer.Bytes[0] != AckByte) return ProgrammingCode::SongDataRefused;
  return ProgrammingCode::Succeeded;
}

ProgrammingCode ProgrammingSequence::ReadBackHeader(int slot, const MemoryHeader& expected) {
  observer_.PhaseBegun(RunPhase::Verifying, slot);
  SendReadMemory(slot, 0, MemoryHeaderSize);
  Answer answer = ReceiveAnswer(link_, ReadMemoryAnswerLength);
  // The unit may need a moment before it answers the first read-back.
  if (answer.Count == 0) answer = ReceiveAnswer(link_, ReadMemoryAnswerLength);
  if (!answer.IsAcknowledged(ReadMemoryAnswerLength)) return ProgrammingCode::ReadMemoryRefused;
  MemoryHeader header;
  const LinkTransfer transfer = link_.ReceiveBytes(header);
  if (transfer.Count != header.size() || header != expected) {
    return ProgrammingCode::ReadBackDiffers;
  }
  Moved(header.size());
  return ProgrammingCode::Succeeded;
}

// The first KiB of every song, as the quick check reads it back, then, in
// full verification, the rest of every song.
ProgrammingCode ProgrammingSequence::VerifySongs(const MemoryAssignment& memory) {
  const ProgrammingCode code = CompareSongs(memory, 0, VerifyLength);
  if (code != ProgrammingCode::Succeeded || job_.Verify == Verification::Quick) return code;
  return CompareSongs(memory, VerifyLength, MaxSongSize);
}

ProgrammingCode ProgrammingSequence::CompareSongs(const MemoryAssignment& memory, std::int64_t from,
                                                  std::int64_t to) {
  std::uint32_t address = FirstSongAddress(memory);
  for (std::size_t song = memory.First; song < memory.Next; ++song) {
    const std::int64_t size = job_.Rows[song].Size;
    // A song shorter than the stretch is compared over its own length, so
    // that no requested bytes are left unread on the link; an empty song has
    // nothing to compare, and no read of no bytes is sent.
    const std::int64_t end = std::min(size, to);
    if (from < end) {
      // The file was read whole moments ago; one that no longer opens leaves
      // the song unverified, which is a failure.
      std::ifstream file(job_.Rows[song].FullPath(), std::ios::binary);
      if (!file.seekg(from)) return Unreadable(song);
      for (std::int64_t offset = from; offset < end;
           offset += static_cast<std::int64_t>(VerifyLength)) {
        if (stop_.stop_requested()) return ProgrammingCode::Stopped;
        const auto length = static_cast<std::size_t>(
            std::min(end - offset, static_cast<std::int64_t>(VerifyLength)));
        const ProgrammingCode code =
            CompareStretch(memory.Slot, song, address, offset, length, file);
        if (code != ProgrammingCode::Succeeded) return code;
      }
    }
    address += static_cast<std::uint32_t>(size);
  }
  return ProgrammingCode::Succeeded;
}

ProgrammingCode ProgrammingSequence::CompareStretch(int slot, std::size_t song,
                                                    std::uint32_t songAddress, std::int64_t offset,
                                                    std::size_t length, std::istream& file) {
  SendReadMemory(slot, songAddress + static_cast<std::uint32_t>(offset),
                 static_cast<std::uint32_t>(length));
  if (!ReceiveAnswer(link_, ReadMemoryAnswerLength).IsAcknowledged(ReadMemoryAnswerLength)) {
    return ProgrammingCode::ReadMemoryRefused;
  }
  std::array<char, VerifyChunkSize> fileBytes;
  std::array<std::uint8_t, VerifyChunkSize> unitBytes;
  for (std::size_t done = 0; done < length;) {
    const std::size_t piece = std::min(length - done, VerifyChunkSize);
    file.read(fileBytes.data(), static_cast<std::streamsize>(piece));
    if (static_cast<std::size_t>(file.gcount()) != piece) return Unreadable(song);
    const LinkTransfer transfer = link_.ReceiveBytes(std::span(unitBytes).first(piece));
    // A byte that did not arrive never matches.
    const auto unitEnd = unitBytes.begin() + static_cast<std::ptrdiff_t>(transfer.Count);
    const auto [differs, _] = std::mismatch(
        unitBytes.begin(), unitEnd, fileBytes.begin(), [](std::uint8_t unitByte, char fileByte) {
          return unitByte == static_cast<std::uint8_t>(fileByte);
        });
    if (transfer.Count != piece || differs != unitEnd) {
      difference_ = SongDifference{
          song, offset + static_cast<std::int64_t>(done) + (differs - unitBytes.begin())};
      return ProgrammingCode::ReadBackDiffers;
    }
    done += piece;
    Moved(piece);
  }
  return ProgrammingCode::Succeeded;
}

void ProgrammingSequence::SendReadMemory(int slot, std::uint32_t address, std::uint32_t length) {
  std::array<std::uint8_t, ReadMemoryLength> command{CmdReadMemory,
                                                     static_cast<std::uint8_t>(slot)};
  PutLittleEndian24(&command[2], address);
  PutLittleEndian24(&command[5], length);
  link_.SendBytes(command);
}

std::uint32_t ProgrammingSequence::FirstSongAddress(const MemoryAssignment& memory) const {
  return static_cast<std::uint32_t>(MemoryHeaderSize * memory.SongCount() +
                                    job_.Status.Slots[memory.Slot].WriteWidth);
}
