#include "device/UnitModel.h"

#include <algorithm>

#include "device/WireCommands.h"

namespace {

constexpr std::uint8_t NotAcknowledged = 0x00;
constexpr std::uint8_t Erased = 0xFF;

std::vector<std::uint8_t> Acknowledgement(std::size_t length) {
  std::vector<std::uint8_t> answer(length, 0x00);
  answer[0] = AckByte;
  return answer;
}

std::vector<std::uint8_t> Refusal(std::size_t length) {
  return std::vector<std::uint8_t>(length, NotAcknowledged);
}

}  // namespace

UnitModel::UnitModel() = default;

UnitModel UnitModel::StandardUnit() {
  UnitModel unit;
  unit.InstallMemory(0, 0x41);
  unit.InstallMemory(1, 0x43);
  return unit;
}

void UnitModel::InstallMemory(int slot, std::uint8_t deviceCode, std::uint8_t manufacturer) {
  const RecognisedMemory* known = FindRecognisedMemory(deviceCode);
  // An unknown chip still gets an image, so that it answers like flash does.
  const std::uint32_t size = known ? known->Capacity + 1 : 0x10000;
  memories_.at(slot).reset(new Chip{manufacturer, deviceCode, FlashImage(size)});
}

void UnitModel::SetStoredProfileNumber(int slot, std::uint16_t profileNumber) {
  const std::uint8_t bytes[] = {static_cast<std::uint8_t>(profileNumber),
                                static_cast<std::uint8_t>(profileNumber >> 8)};
  memories_.at(slot)->Image.Write(14, bytes);
}

void UnitModel::InjectFault(std::uint8_t command, SimulatedFault fault,
                            std::optional<std::uint8_t> slot, int times, int spared) {
  faults_.push_back({command, fault, slot, times, spared});
}

const FlashImage* UnitModel::MemoryImage(int slot) const {
  const auto& memory = memories_.at(slot);
  return memory ? &memory->Image : nullptr;
}

std::size_t UnitModel::StoredBytes() const {
  std::size_t total = 0;
  for (const auto& memory : memories_) {
    if (memory) total += memory->Image.StoredBytes();
  }
  return total;
}

bool UnitModel::Receive(std::span<const std::uint8_t> bytes) {
  if (pendingData_.Remaining > 0) return ReceiveData(bytes);
  HandleCommand(bytes);
  return true;
}

std::size_t UnitModel::TakeAnswer(std::span<std::uint8_t> buffer) {
  if (answerBytes_.empty() && !heldBackAnswer_.empty()) {
    answerBytes_.assign(heldBackAnswer_.begin(), heldBackAnswer_.end());
    heldBackAnswer_.clear();
    return 0;
  }
  const std::size_t taken = std::min(buffer.size(), answerBytes_.size());
  std::copy_n(answerBytes_.begin(), taken, buffer.begin());
  answerBytes_.erase(answerBytes_.begin(), answerBytes_.begin() + taken);
  return taken;
}

void UnitModel::DropAnswers() {
  answerBytes_.clear();
  heldBackAnswer_.clear();
}

void UnitModel::Reset() {
  DropAnswers();
  pendingData_ = {};
}

std::optional<SimulatedFault> UnitModel::TakeFault(std::uint8_t command, std::uint8_t slot) {
  for (FaultRule& rule : faults_) {
    if (rule.Command != command || rule.Times == 0) continue;
    if (rule.Slot && *rule.Slot != slot) continue;
    if (rule.Spared > 0) {
      --rule.Spared;
      continue;
    }
    if (rule.Times > 0) --rule.Times;
    return rule.Fault;
  }
  return std::nullopt;
}

void UnitModel::HandleCommand(std::span<const std::uint8_t> command) {
  if (command.size() < 2) return;
  const std::optional<SimulatedFault> fault = TakeFault(command[0], command[1]);
  if (command[0] == CmdWriteDataNarrow || command[0] == CmdWriteDataWide) {
    pendingData_ = {};
    pendingData_.Fault = fault;
    AnnounceData(command);
    return;
  }
  QueueAnswer(AnswerCommand(command), fault);
}

std::vector<std::uint8_t> UnitModel::AnswerCommand(std::span<const std::uint8_t> command) {
  switch (command[0]) {
    case CmdIdentifySlot:
      return IdentifySlot(command[1]);
    case CmdReadVersion:
      return {AckByte,
              0,
              0,
              firmwareVersion_[0],
              firmwareVersion_[1],
              firmwareVersion_[2],
              firmwareVersion_[3]};
    case CmdReadButtonCount:
      if (!buttonCount_) return {};
      return {AckByte, 0, 0, *buttonCount_};
    case CmdBeginMemory:
      return BeginMemory(command[1]);
    case CmdMemoryHeader:
      return MemoryHeader(command);
    case CmdSongEntry:
      return SongEntry(command);
    case CmdReadMemory:
      return ReadMemory(command);
    default:
      return {};
  }
}

std::vector<std::uint8_t> UnitModel::IdentifySlot(std::uint8_t slot) const {
  if (slot >= MemorySlotCount) return {};
  const Chip* memory = MemoryIn(slot);
  if (!memory) return {AckByte, 0, 0, Erased, Erased, Erased, Erased};
  return {AckByte,
          0,
          0,
          memory->Manufacturer,
          memory->DeviceCode,
          memory->Image.At(14),
          memory->Image.At(15)};
}

std::vector<std::uint8_t> UnitModel::BeginMemory(std::uint8_t slot) {
  Chip* memory = MemoryIn(slot);
  if (!memory) return Refusal(BeginMemoryAnswerLength);
  memory->Image.Erase();
  return Acknowledgement(BeginMemoryAnswerLength);
}

// The header fills the song table's first entry: song count, profile number
// and, from firmware 2.0 on, the number of sounds of button 1.
std::vector<std::uint8_t> UnitModel::MemoryHeader(std::span<const std::uint8_t> command) {
  const std::size_t answerLength = command.size() + 1;
  Chip* memory = MemoryIn(command[1]);
  if (!memory || command.size() < ShortHeaderLength || command.size() > LongHeaderLength) {
    return Refusal(answerLength);
  }
  std::array<std::uint8_t, 16> header;
  header.fill(Erased);
  header[2] = command.size() == LongHeaderLength ? command[6] : Erased;
  header[3] = command[2];
  header[4] = command[3];
  header[14] = command[4];
  header[15] = command[5];
  memory->Image.Write(0, std::span(header).first(5));
  memory->Image.Write(14, std::span(header).subspan(14));
  return Acknowledgement(answerLength);
}

std::vector<std::uint8_t> UnitModel::SongEntry(std::span<const std::uint8_t> command) {
  Chip* memory = MemoryIn(command[1]);
  if (!memory || command.size() != SongEntryLength) return Refusal(SongEntryAnswerLength);
  const std::uint32_t entryAddress = 16u * command[2];
  memory->Image.Write(entryAddress + 5, command.subspan(3, 7));
  return Acknowledgement(SongEntryAnswerLength);
}

void UnitModel::AnnounceData(std::span<const std::uint8_t> command) {
  if (command.size() != WriteDataLength) return;
  // The announced data is taken in whatever happens, so that it is never
  // mistaken for commands; only a matching memory stores it.
  const Chip* memory = MemoryIn(command[1]);
  const RecognisedMemory* kind = memory ? FindRecognisedMemory(memory->DeviceCode) : nullptr;
  const std::uint32_t base = GetLittleEndian24(&command[2]);
  const std::uint32_t length = GetLittleEndian24(&command[5]);
  pendingData_.Slot = command[1];
  pendingData_.Remaining = length;
  if (kind) {
    pendingData_.Address = base + kind->WriteWidth;
    pendingData_.Accepted =
        command[0] == kind->WriteCommand && pendingData_.Address + length <= memory->Image.Size();
  }
  if (length == 0) {
    QueueAnswer(pendingData_.Accepted ? Acknowledgement(DataAcknowledgementLength)
                                      : Refusal(DataAcknowledgementLength),
                pendingData_.Fault);
  }
}

bool UnitModel::ReceiveData(std::span<const std::uint8_t> data) {
  if (pendingData_.Fault == SimulatedFault::WriteFails) return false;
  const std::size_t taken = std::min<std::size_t>(data.size(), pendingData_.Remaining);
  if (pendingData_.Accepted) {
    FlashImage& image = memories_[pendingData_.Slot]->Image;
    image.Write(pendingData_.Address, data.first(taken));
    if (spoiledCell_ && spoiledCell_->first == pendingData_.Slot &&
        spoiledCell_->second - pendingData_.Address < taken) {
      const std::uint8_t spoiled = image.At(spoiledCell_->second) ^ 0x01;
      image.Write(spoiledCell_->second, std::span(&spoiled, 1));
    }
  }
  pendingData_.Address += taken;
  pendingData_.Remaining -= taken;
  if (pendingData_.Remaining == 0) {
    QueueAnswer(pendingData_.Accepted ? Acknowledgement(DataAcknowledgementLength)
                                      : Refusal(DataAcknowledgementLength),
                pendingData_.Fault);
  }
  return true;
}

std::vector<std::uint8_t> UnitModel::ReadMemory(std::span<const std::uint8_t> command) const {
  const Chip* memory = command.size() == ReadMemoryLength ? MemoryIn(command[1]) : nullptr;
  if (!memory) return Refusal(ReadMemoryAnswerLength);
  std::vector<std::uint8_t> answer = Acknowledgement(ReadMemoryAnswerLength);
  const std::vector<std::uint8_t> content =
      memory->Image.Read(GetLittleEndian24(&command[2]), GetLittleEndian24(&command[5]));
  answer.insert(answer.end(), content.begin(), content.end());
  return answer;
}

void UnitModel::QueueAnswer(std::vector<std::uint8_t> answer, std::optional<SimulatedFault> fault) {
  if (answer.empty() || fault == SimulatedFault::Silent) return;
  if (fault == SimulatedFault::Late) {
    heldBackAnswer_ = std::move(answer);
    return;
  }
  if (fault == SimulatedFault::Short) answer.pop_back();
  if (fault == SimulatedFault::Refused) answer[0] = NotAcknowledged;
  if (fault == SimulatedFault::ChangedByte) answer.back() ^= 0x01;
  answerBytes_.insert(answerBytes_.end(), answer.begin(), answer.end());
}

UnitModel::Chip* UnitModel::MemoryIn(std::uint8_t slot) {
  return slot < MemorySlotCount ? memories_[slot].get() : nullptr;
}

const UnitModel::Chip* UnitModel::MemoryIn(std::uint8_t slot) const {
  return slot < MemorySlotCount ? memories_[slot].get() : nullptr;
}
