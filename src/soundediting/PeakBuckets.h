#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "soundediting/WaveformPeaks.h"

// Gathers the PeakRange of each of a fixed number of equal stretches of a
// sound's frames. Parts of one sound may gather into buckets of their own and
// be merged at the end, as minimum and maximum do not care about order.
class PeakBuckets {
 public:
  PeakBuckets(std::int64_t totalFrames, int bucketCount);

  // Interleaved frames from firstFrame on; frames past the total count into
  // the last bucket.
  void Add(std::int64_t firstFrame, std::span<const float> samples, int channels);
  void Merge(const PeakBuckets& other);
  std::vector<PeakRange> Ranges() const;

 private:
  std::int64_t BucketOf(std::int64_t frame) const;
  std::int64_t FirstFrameOf(std::int64_t bucket) const;

  std::int64_t totalFrames_;
  std::vector<PeakRange> buckets_;  // Min above Max while a bucket is empty
};
