// Decoding is what takes the time when an MP3's waveform is drawn: about 0.3 s
// for five minutes of 44.1 kHz stereo on one core of the machine this was
// measured on, close to the 0.4 s a waveform may take. mpg123's cheaper
// down-sampled synthesis gained nothing there, as most of the time goes into
// the bitstream and its Huffman codes, which every output rate needs; mixing to
// mono saved a tenth. What does hold up is decoding in parallel parts: one
// header-only scan indexes the frames, then each part seeks to its first
// sample through a copy of that index and decodes on a core of its own.

#include "soundediting/Mp3Peaks.h"

#include <mpg123.h>

#include <algorithm>
#include <future>
#include <memory>
#include <thread>
#include <vector>

#include "soundediting/SoundFileError.h"

namespace {

// Shorter parts would spend more on starting than they save.
constexpr long SecondsPerPartAtLeast = 10;
constexpr std::size_t ReadBytes = 1 << 16;

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
  std::vector<off_t> IndexOffsets;  // file offset of every IndexStep-th MPEG frame
  off_t IndexStep = 0;
};

[[noreturn]] void Fail(const std::string& path, mpg123_handle* handle) {
  throw SoundFileError(path + ": " + mpg123_strerror(handle));
}

// A handle that gives float samples in the stream's first format throughout.
Mpg123Handle OpenMp3(const std::string& path, const Mp3Layout* layout) {
  int error = MPG123_OK;
  Mpg123Handle handle(mpg123_new(nullptr, &error));
  if (!handle) throw SoundFileError(path + ": " + mpg123_plain_strerror(error));
  mpg123_param(handle.get(), MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_FORCE_FLOAT, 0);
  if (layout != nullptr) {
    mpg123_format_none(handle.get());
    mpg123_format(handle.get(), layout->SampleRate, layout->Channels, MPG123_ENC_FLOAT_32);
  }
  if (mpg123_open(handle.get(), path.c_str()) != MPG123_OK) Fail(path, handle.get());
  return handle;
}

Mp3Layout ScanMp3(const std::string& path) {
  Mpg123Handle handle = OpenMp3(path, nullptr);
  Mp3Layout layout;
  int encoding = 0;
  if (mpg123_getformat(handle.get(), &layout.SampleRate, &layout.Channels, &encoding) != MPG123_OK ||
      mpg123_scan(handle.get()) != MPG123_OK) {
    Fail(path, handle.get());
  }
  layout.Frames = mpg123_length(handle.get());
  off_t* offsets = nullptr;
  size_t filled = 0;
  if (layout.Frames < 0 ||
      mpg123_index(handle.get(), &offsets, &layout.IndexStep, &filled) != MPG123_OK) {
    Fail(path, handle.get());
  }
  layout.IndexOffsets.assign(offsets, offsets + filled);
  return layout;
}

PeakBuckets DecodePart(const std::string& path, const Mp3Layout& layout, int bucketCount,
                       off_t first, off_t end) {
  Mpg123Handle handle = OpenMp3(path, &layout);
  std::vector<off_t> offsets = layout.IndexOffsets;
  if (mpg123_set_index(handle.get(), offsets.data(), layout.IndexStep, offsets.size()) != MPG123_OK ||
      mpg123_seek(handle.get(), first, SEEK_SET) != first) {
    Fail(path, handle.get());
  }
  PeakBuckets buckets(layout.Frames, bucketCount);
  std::vector<float> samples(ReadBytes / sizeof(float));
  for (off_t frame = first; frame < end;) {
    size_t bytes = 0;
    const int result = mpg123_read(handle.get(), samples.data(), ReadBytes, &bytes);
    const auto frames = static_cast<off_t>(bytes / sizeof(float)) / layout.Channels;
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
  const Mp3Layout layout = ScanMp3(path);
  const int parts = PartCount(layout);
  // The last part reads to the real end, whatever the length said.
  auto partEnd = [&](int part) {
    return part + 1 == parts ? std::numeric_limits<off_t>::max() : layout.Frames * (part + 1) / parts;
  };
  std::vector<std::future<PeakBuckets>> others;
  for (int part = 1; part < parts; ++part) {
    others.push_back(std::async(std::launch::async, DecodePart, std::cref(path), std::cref(layout),
                                bucketCount, layout.Frames * part / parts, partEnd(part)));
  }
  PeakBuckets peaks = DecodePart(path, layout, bucketCount, 0, partEnd(0));
  for (auto& other : others) peaks.Merge(other.get());
  return peaks;
}
