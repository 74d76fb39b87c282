// Decoding is what takes the time when an MP3's waveform is drawn: about 0.3 s
// for five minutes of 44.1 kHz stereo on one core of the machine this was
// measured on, close to the 0.4 s a waveform may take. mpg123's cheaper
// down-sampled synthesis gained nothing there, as most of the time goes into
// the bitstream and its Huffman codes, which every output rate needs; mixing to
// mono saved a tenth. What does hold up:
// - decoding in parallel parts, each seeking to its first sample and decoding
//   on a core of its own;
// - reading the file once into memory and decoding from there: mpg123 reads a
//   file frame by frame, two system calls a frame, which cost a tenth of the
//   decoding and made the scan for the exact length take 40 ms instead of 1.

#include "soundediting/Mp3Peaks.h"

#include <mpg123.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <future>
#include <limits>
#include <memory>
#include <thread>
#include <vector>

#include "soundediting/SoundFileError.h"

namespace {

// Shorter parts would spend more on starting than they save.
constexpr long SecondsPerPartAtLeast = 10;
constexpr std::size_t ReadBytes = 1 << 16;

using FileBytes = std::vector<unsigned char>;

std::shared_ptr<const FileBytes> ReadWholeFile(const std::string& path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
  auto bytes = std::make_shared<FileBytes>();
  if (file && std::fseek(file.get(), 0, SEEK_END) == 0) {
    bytes->resize(static_cast<std::size_t>(std::max(0L, std::ftell(file.get()))));
    std::rewind(file.get());
    if (std::fread(bytes->data(), 1, bytes->size(), file.get()) == bytes->size()) return bytes;
  }
  throw SoundFileError(path + ": " + std::strerror(errno));
}

// Where one part reads in the shared bytes.
struct MemoryCursor {
  std::shared_ptr<const FileBytes> Bytes;
  off_t At = 0;
};

ssize_t ReadFromMemory(void* cursorHandle, void* buffer, size_t count) {
  auto& cursor = *static_cast<MemoryCursor*>(cursorHandle);
  const auto left = static_cast<size_t>(static_cast<off_t>(cursor.Bytes->size()) - cursor.At);
  count = std::min(count, left);
  std::memcpy(buffer, cursor.Bytes->data() + cursor.At, count);
  cursor.At += static_cast<off_t>(count);
  return static_cast<ssize_t>(count);
}

off_t SeekInMemory(void* cursorHandle, off_t offset, int whence) {
  auto& cursor = *static_cast<MemoryCursor*>(cursorHandle);
  const auto size = static_cast<off_t>(cursor.Bytes->size());
  const off_t to = offset + (whence == SEEK_SET ? 0 : whence == SEEK_CUR ? cursor.At : size);
  if (to < 0 || to > size) return -1;
  cursor.At = to;
  return to;
}

struct Mpg123Deleter {
  void operator()(mpg123_handle* handle) const {
    mpg123_close(handle);
    mpg123_delete(handle);
  }
};
using Mpg123Handle = std::unique_ptr<mpg123_handle, Mpg123Deleter>;

struct Mp3Layout {
  long SampleRate = 0;
  int Channels = 0;
  off_t Frames = 0;
};

[[noreturn]] void Fail(const std::string& path, mpg123_handle* handle) {
  throw SoundFileError(path + ": " + mpg123_strerror(handle));
}

// A handle on the bytes that gives float samples, in the layout's format
// throughout when there is one.
Mpg123Handle OpenMp3(const std::string& path, MemoryCursor& cursor, const Mp3Layout* layout) {
  int error = MPG123_OK;
  Mpg123Handle handle(mpg123_new(nullptr, &error));
  if (!handle) throw SoundFileError(path + ": " + mpg123_plain_strerror(error));
  mpg123_param(handle.get(), MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_FORCE_FLOAT, 0);
  if (layout != nullptr) {
    mpg123_format_none(handle.get());
    mpg123_format(handle.get(), layout->SampleRate, layout->Channels, MPG123_ENC_FLOAT_32);
  }
  if (mpg123_replace_reader_handle(handle.get(), ReadFromMemory, SeekInMemory, nullptr) !=
          MPG123_OK ||
      mpg123_open_handle(handle.get(), &cursor) != MPG123_OK) {
    Fail(path, handle.get());
  }
  return handle;
}

// The format, and the exact length from a scan of every frame header (which
// a header-only estimate is not, for a file without an Info frame).
Mp3Layout ScanMp3(const std::string& path, const std::shared_ptr<const FileBytes>& bytes) {
  MemoryCursor cursor{bytes};
  Mpg123Handle handle = OpenMp3(path, cursor, nullptr);
  Mp3Layout layout;
  int encoding = 0;
  if (mpg123_getformat(handle.get(), &layout.SampleRate, &layout.Channels, &encoding) !=
          MPG123_OK ||
      mpg123_scan(handle.get()) != MPG123_OK) {
    Fail(path, handle.get());
  }
  layout.Frames = mpg123_length(handle.get());
  if (layout.Frames < 0) Fail(path, handle.get());
  return layout;
}

PeakBuckets DecodePart(const std::string& path, const std::shared_ptr<const FileBytes>& bytes,
                       const Mp3Layout& layout, int bucketCount, off_t first, off_t end) {
  MemoryCursor cursor{bytes};
  Mpg123Handle handle = OpenMp3(path, cursor, &layout);
  if (mpg123_seek(handle.get(), first, SEEK_SET) != first) Fail(path, handle.get());
  PeakBuckets buckets(layout.Frames, bucketCount);
  std::vector<float> samples(ReadBytes / sizeof(float));
  for (off_t frame = first; frame < end;) {
    size_t bytesRead = 0;
    const int result = mpg123_read(handle.get(), samples.data(), ReadBytes, &bytesRead);
    const auto frames = static_cast<off_t>(bytesRead / sizeof(float)) / layout.Channels;
    const off_t kept = std::min(frames, end - frame);
    buckets.Add(frame, std::span(samples.data(), static_cast<std::size_t>(kept * layout.Channels)),
                layout.Channels);
    frame += kept;
    if (result == MPG123_DONE) break;
    // The first read announces the format, which the handle has fixed.
    if (result != MPG123_OK && result != MPG123_NEW_FORMAT) Fail(path, handle.get());
  }
  return buckets;
}

int PartCount(const Mp3Layout& layout) {
  const auto cores = static_cast<off_t>(std::max(1u, std::thread::hardware_concurrency()));
  const off_t parts = layout.Frames / (SecondsPerPartAtLeast * layout.SampleRate);
  return static_cast<int>(std::clamp<off_t>(parts, 1, cores));
}

}  // namespace

PeakBuckets ComputeMp3Peaks(const std::string& path, int bucketCount) {
  const std::shared_ptr<const FileBytes> bytes = ReadWholeFile(path);
  const Mp3Layout layout = ScanMp3(path, bytes);
  const int parts = PartCount(layout);
  // The last part reads to the real end, whatever the length said.
  auto partEnd = [&](int part) {
    return part + 1 == parts ? std::numeric_limits<off_t>::max()
                             : layout.Frames * (part + 1) / parts;
  };
  std::vector<std::future<PeakBuckets>> others;
  for (int part = 1; part < parts; ++part) {
    others.push_back(std::async(std::launch::async, DecodePart, std::cref(path), std::cref(bytes),
                                std::cref(layout), bucketCount, layout.Frames * part / parts,
                                partEnd(part)));
  }
  PeakBuckets peaks = DecodePart(path, bytes, layout, bucketCount, 0, partEnd(0));
  for (auto& other : others) peaks.Merge(other.get());
  return peaks;
}
