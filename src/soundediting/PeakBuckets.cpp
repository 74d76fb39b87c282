#include "soundediting/PeakBuckets.h"

#include <algorithm>
#include <limits>

namespace {

constexpr PeakRange Empty{std::numeric_limits<float>::max(), std::numeric_limits<float>::lowest()};

}  // namespace

PeakBuckets::PeakBuckets(std::int64_t totalFrames, int bucketCount)
    : totalFrames_(std::max<std::int64_t>(totalFrames, 1)),
      buckets_(static_cast<std::size_t>(std::max(bucketCount, 0)), Empty) {}

std::int64_t PeakBuckets::BucketOf(std::int64_t frame) const {
  const auto count = static_cast<std::int64_t>(buckets_.size());
  return std::min(frame * count / totalFrames_, count - 1);
}

// The first frame whose bucket is `bucket`: ceil(bucket * total / count).
std::int64_t PeakBuckets::FirstFrameOf(std::int64_t bucket) const {
  const auto count = static_cast<std::int64_t>(buckets_.size());
  return (bucket * totalFrames_ + count - 1) / count;
}

void PeakBuckets::Add(std::int64_t firstFrame, std::span<const float> samples, int channels) {
  if (buckets_.empty()) return;
  const auto last = static_cast<std::int64_t>(buckets_.size()) - 1;
  const std::int64_t frames = static_cast<std::int64_t>(samples.size()) / channels;
  // One bucket's run of frames at a time, so the inner loop is a plain min/max.
  for (std::int64_t frame = 0; frame < frames;) {
    const std::int64_t bucket = BucketOf(firstFrame + frame);
    const std::int64_t end =
        bucket == last ? frames : std::min(frames, FirstFrameOf(bucket + 1) - firstFrame);
    const auto run = samples.subspan(static_cast<std::size_t>(frame * channels),
                                     static_cast<std::size_t>((end - frame) * channels));
    PeakRange& range = buckets_[static_cast<std::size_t>(bucket)];
    float low = range.Min;
    float high = range.Max;
    for (const float sample : run) {
      low = std::min(low, sample);
      high = std::max(high, sample);
    }
    range = {low, high};
    frame = end;
  }
}

void PeakBuckets::Merge(const PeakBuckets& other) {
  for (std::size_t bucket = 0; bucket < buckets_.size(); ++bucket) {
    buckets_[bucket].Min = std::min(buckets_[bucket].Min, other.buckets_[bucket].Min);
    buckets_[bucket].Max = std::max(buckets_[bucket].Max, other.buckets_[bucket].Max);
  }
}

std::vector<PeakRange> PeakBuckets::Ranges() const {
  std::vector<PeakRange> ranges = buckets_;
  for (PeakRange& range : ranges) {
    if (range.Min > range.Max) range = PeakRange{};
  }
  return ranges;
}
