#include "soundediting/SoundMeasure.h"

#include <sys/stat.h>

#include <cmath>
#include <mutex>
#include <unordered_map>

#include "soundediting/Mp3Reading.h"
#include "soundediting/SndfileHandle.h"

namespace {

constexpr std::size_t Id3v2HeaderBytes = 10;
// Far more than the sounds of a full profile; past it, the files are
// measured afresh rather than remembered without end.
constexpr std::size_t KnownFilesAtMost = 10000;
constexpr std::size_t Id3v1Bytes = 128;

// The bytes of the frames: the file less an ID3v2 tag before them and an
// ID3v1 tag after them, which a cover picture can make large.
std::int64_t FrameBytes(const FileBytes& bytes) {
  std::size_t first = 0;
  if (bytes.size() >= Id3v2HeaderBytes && bytes[0] == 'I' && bytes[1] == 'D' && bytes[2] == '3') {
    first = Id3v2HeaderBytes + (static_cast<std::size_t>(bytes[6] & 0x7F) << 21 |
                                static_cast<std::size_t>(bytes[7] & 0x7F) << 14 |
                                static_cast<std::size_t>(bytes[8] & 0x7F) << 7 |
                                static_cast<std::size_t>(bytes[9] & 0x7F));
  }
  std::size_t end = bytes.size();
  if (end >= Id3v1Bytes && bytes[end - Id3v1Bytes] == 'T' && bytes[end - Id3v1Bytes + 1] == 'A' &&
      bytes[end - Id3v1Bytes + 2] == 'G') {
    end -= Id3v1Bytes;
  }
  return end > first ? static_cast<std::int64_t>(end - first) : 0;
}

SoundMeasure MeasureMp3(const std::string& path) {
  const std::shared_ptr<const FileBytes> bytes = ReadWholeFile(path);
  const Mp3Layout layout = ScanMp3(path, bytes);
  SoundMeasure measure{{layout.Frames, static_cast<int>(layout.SampleRate), layout.Channels},
                       SoundFileKind::Mp3,
                       0,
                       static_cast<std::int64_t>(bytes->size())};
  if (layout.Frames > 0) {
    measure.BitRateKbps = static_cast<int>(
        std::lround(static_cast<double>(FrameBytes(*bytes)) * 8 / measure.Format.Seconds() / 1000));
  }
  return measure;
}

std::optional<SoundMeasure> Measure(const std::string& path, std::int64_t bytes) {
  if (!DecodeSound(path)) return std::nullopt;
  try {
    SF_INFO info;
    OpenSoundForReading(path, info);
    if ((info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG) return MeasureMp3(path);
    return SoundMeasure{{info.frames, info.samplerate, info.channels}, SoundFileKind::Wav, 0, bytes};
  } catch (const SoundFileError&) {
    return std::nullopt;
  }
}

// The file as it was measured: a file written anew under the same name, or
// in place, differs in one of these.
struct Known {
  std::uint64_t Inode = 0;
  std::int64_t Bytes = 0;
  std::int64_t ModifiedNanoseconds = 0;
  std::optional<SoundMeasure> Measure;
};

std::mutex knownLock;
std::unordered_map<std::string, Known> known;

}  // namespace

std::optional<SoundMeasure> MeasureSound(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  const Known now{status.st_ino, status.st_size,
                  status.st_mtim.tv_sec * 1'000'000'000LL + status.st_mtim.tv_nsec, std::nullopt};
  {
    const std::lock_guard lock(knownLock);
    const auto found = known.find(path);
    if (found != known.end() && found->second.Inode == now.Inode &&
        found->second.Bytes == now.Bytes &&
        found->second.ModifiedNanoseconds == now.ModifiedNanoseconds) {
      return found->second.Measure;
    }
  }
  // Measured outside the lock: other files are measured meanwhile.
  Known measured = now;
  measured.Measure = Measure(path, now.Bytes);
  const std::lock_guard lock(knownLock);
  if (known.size() >= KnownFilesAtMost) known.clear();
  known[path] = measured;
  return measured.Measure;
}
