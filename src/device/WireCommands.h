#pragma once

#include <cstddef>
#include <cstdint>

// Byte 0 of every good answer from the unit.
constexpr std::uint8_t AckByte = 0xAC;

// Probe commands and the fixed lengths of their answers.
constexpr std::uint8_t CmdIdentifySlot = 0xCD;
constexpr std::uint8_t CmdReadVersion = 0xC0;
constexpr std::uint8_t CmdReadButtonCount = 0xC1;
constexpr std::size_t IdentifySlotAnswerLength = 7;
constexpr std::size_t ReadVersionAnswerLength = 7;
constexpr std::size_t ReadButtonCountAnswerLength = 4;

// Programming commands.
constexpr std::uint8_t CmdBeginMemory = 0xED;
constexpr std::uint8_t CmdMemoryHeader = 0xA1;
constexpr std::uint8_t CmdSongEntry = 0xA2;
constexpr std::uint8_t CmdWriteDataNarrow = 0xA3;
constexpr std::uint8_t CmdWriteDataWide = 0xA4;
constexpr std::uint8_t CmdReadMemory = 0xDD;
constexpr std::size_t BeginMemoryAnswerLength = 3;
// The header's answer is one byte longer than the header command.
constexpr std::size_t ShortHeaderLength = 6;
constexpr std::size_t LongHeaderLength = 7;
constexpr std::size_t SongEntryLength = 10;
constexpr std::size_t SongEntryAnswerLength = 11;
constexpr std::size_t WriteDataLength = 8;
// The bulk write's answer follows its data.
constexpr std::size_t DataAcknowledgementLength = 9;
constexpr std::size_t ReadMemoryLength = 8;
// The read's acknowledgement comes first, then the requested bytes.
constexpr std::size_t ReadMemoryAnswerLength = 9;
// The first 16 bytes of a memory: song count, first song and profile number.
constexpr std::size_t MemoryHeaderSize = 16;
// What erased flash reads, and what the header holds where nothing is written.
constexpr std::uint8_t ErasedByte = 0xFF;

// Numbers on the wire are little-endian; addresses and sizes take 24 bits.
inline void PutLittleEndian24(std::uint8_t* out, std::uint32_t value) {
  out[0] = static_cast<std::uint8_t>(value);
  out[1] = static_cast<std::uint8_t>(value >> 8);
  out[2] = static_cast<std::uint8_t>(value >> 16);
}

inline std::uint32_t GetLittleEndian24(const std::uint8_t* in) {
  return in[0] | (in[1] << 8) | (static_cast<std::uint32_t>(in[2]) << 16);
}
