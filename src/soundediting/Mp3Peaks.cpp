// Decoding is what takes the time when an MP3's waveform is drawn: about 0.3 s
// for five minutes of 44.1 kHz stereo on one core of the machine this was
// measured on, close to the 0.4 s a waveform may take. mpg123's cheaper
// down-sampled synthesis gained nothing there, as most of the time goes into
// the bitstream and its Huffman codes, which every output rate needs; mixing to
// mono saved a tenth. What does hold up:
// - decoding in parallel parts, each seeking to its first sample and decoding
//   on a core of its own;
// - reading the file once into memory and decoding from there (Mp3Reading).

#include "soundediting/Mp3Peaks.h"

#include <algorithm>
#include <future>
#include <limits>
#include <thread>
#include <vector>

#include "soundediting/Mp3Reading.h"

namespace {

// Shorter parts would spend more on starting than they save.
constexpr long SecondsPerPartAtLeast = 10;
constexpr std::size_t ReadBytes = 1 << 16;

PeakBuckets DecodePart(const std::string& path, const std::shared_ptr<const FileBytes>& bytes,
                       const Mp3Layout& layout, int bucketCount, off_t first, off_t end) {
  MemoryCursor cursor{bytes};
  Mpg123Handle handle = OpenMp3(path, cursor, &layout);
  if (mpg123_seek(handle.get(), first, SEEK_SET) != first) FailMp3(path, handle.get());
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
    if (result != MPG123_OK && result != MPG123_NEW_FORMAT) FailMp3(path, handle.get());
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
