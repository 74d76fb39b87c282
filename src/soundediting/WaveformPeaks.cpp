#include "soundediting/WaveformPeaks.h"

#include <vector>

#include "soundediting/Mp3Peaks.h"
#include "soundediting/SndfileHandle.h"

namespace {

PeakBuckets ComputeSndfilePeaks(const std::string& path, SNDFILE* file, const SF_INFO& info,
                                int bucketCount) {
  PeakBuckets peaks(info.frames, bucketCount);
  std::vector<float> block(static_cast<std::size_t>(BlockFrames * info.channels));
  sf_count_t frame = 0;
  for (sf_count_t read; (read = sf_readf_float(file, block.data(), BlockFrames)) > 0;
       frame += read) {
    peaks.Add(frame, std::span(block.data(), static_cast<std::size_t>(read * info.channels)),
              info.channels);
  }
  if (sf_error(file) != SF_ERR_NO_ERROR) throw SoundFileError(path + ": " + sf_strerror(file));
  return peaks;
}

}  // namespace

std::vector<PeakRange> ComputeWaveformPeaks(const std::string& path, int bucketCount) {
  SF_INFO info;
  SndfileHandle file = OpenSoundForReading(path, info);
  // libsndfile tells what the file holds, whatever its name says.
  if ((info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG) {
    file.reset();
    return ComputeMp3Peaks(path, bucketCount).Ranges();
  }
  return ComputeSndfilePeaks(path, file.get(), info, bucketCount).Ranges();
}
