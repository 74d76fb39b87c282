#include "soundediting/FitPlan.h"

#include <algorithm>

#include "device/SoundPacking.h"
#include "soundediting/FewestChanges.h"
#include "soundediting/SizeEstimate.h"

namespace {

// Beyond this many steps (sounds times the counts kept), the search for the
// fewest changes does not look further for a choice that leaves more of the
// sounds that fit already alone: only a profile of hundreds of sounds, most
// of them changed, gets there.
constexpr std::size_t PreferenceStepsAtMost = 50'000'000;

SoundEdit EditAt(const ProfileSound& sound, int bitRateKbps, std::optional<double> maxSeconds) {
  const double seconds = sound.Format.Seconds();
  const bool shortened = maxSeconds && *maxSeconds < seconds;
  SoundEdit edit;
  edit.EndSeconds = shortened ? *maxSeconds : seconds;
  edit.FadeOutSeconds = shortened ? std::min(ShortenedFadeOutSeconds, *maxSeconds) : 0;
  edit.Mono = true;
  edit.Output = {SoundFileKind::Mp3, bitRateKbps};
  return edit;
}

// A sound without frames cannot be rewritten; one is changed only where that
// makes it smaller.
std::vector<SoundSizes> SizesAt(std::span<const ProfileSound> sounds, int bitRateKbps,
                                std::optional<double> maxSeconds) {
  std::vector<SoundSizes> sizes;
  for (const ProfileSound& sound : sounds) {
    SoundSizes size{sound.SizeBytes, std::nullopt};
    if (sound.Format.Frames > 0) {
      const std::int64_t changed =
          EstimateEditedBytes(sound.Format, EditAt(sound, bitRateKbps, maxSeconds));
      if (changed > 0 && changed < sound.SizeBytes) size.Changed = changed;
    }
    sizes.push_back(size);
  }
  return sizes;
}

std::vector<std::int64_t> Now(std::span<const SoundSizes> sizes) {
  std::vector<std::int64_t> now;
  for (const SoundSizes& size : sizes) now.push_back(size.Now);
  return now;
}

ChangeReason ReasonFor(std::size_t index, std::int64_t size, const SoundPacking& asItIs) {
  if (index < asItIs.FittingCount) return ChangeReason::MakesRoom;
  const bool tooLarge = size > MaxSongSize ||
                        size + SoundOverheadBytes > std::int64_t{asItIs.LargestCapacity};
  return tooLarge ? ChangeReason::LargerThanEveryMemory : ChangeReason::LeftOut;
}

// The first sound that does not fit with every sound that shrinks changed.
std::size_t CauseAt(std::span<const SoundSizes> sizes, const UnitStatus& unit) {
  std::vector<std::int64_t> smallest;
  for (const SoundSizes& size : sizes) smallest.push_back(size.Changed.value_or(size.Now));
  return PackSounds(smallest, unit).FittingCount;
}

}  // namespace

FitPlan PlanToFit(std::span<const ProfileSound> sounds, const UnitStatus& unit,
                  std::optional<double> maxSeconds) {
  // Fewest changes first, then the highest bit rate: a lower rate shrinks
  // every sound more, so it never needs more changes than a higher one.
  std::vector<bool> chosen;
  std::optional<int> chosenRate;
  std::size_t fewest = sounds.size();
  for (auto rate = Mp3BitRates.rbegin(); rate != Mp3BitRates.rend() && fewest > 0; ++rate) {
    const std::vector<SoundSizes> sizes = SizesAt(sounds, *rate, maxSeconds);
    const std::size_t mostChanges = chosenRate ? fewest - 1 : fewest;
    if (std::optional<std::vector<bool>> changed = FewestChanges(sizes, unit, mostChanges)) {
      chosen = std::move(*changed);
      chosenRate = *rate;
      fewest = static_cast<std::size_t>(std::count(chosen.begin(), chosen.end(), true));
    }
  }
  if (!chosenRate) {
    FitPlan cannot;
    cannot.Cause = CauseAt(SizesAt(sounds, LowestMp3BitRate, maxSeconds), unit);
    return cannot;
  }
  const std::vector<SoundSizes> sizes = SizesAt(sounds, *chosenRate, maxSeconds);
  const SoundPacking asItIs = PackSounds(Now(sizes), unit);
  // As many changes, as few of them among the sounds that fit as they are.
  const std::size_t keepFirst = asItIs.FittingCount;
  const std::size_t cells = (fewest + 1) * (std::min(fewest, keepFirst) + 1);
  if (fewest > 0 && keepFirst > 0 && sounds.size() * cells <= PreferenceStepsAtMost) {
    // The choice above is one of as many changes, so there is always one.
    if (std::optional<std::vector<bool>> preferred = FewestChanges(sizes, unit, fewest, keepFirst)) {
      chosen = std::move(*preferred);
    }
  }
  FitPlan plan;
  plan.Fits = true;
  for (std::size_t index = 0; index < sounds.size(); ++index) {
    if (!chosen[index]) continue;
    plan.BitRateKbps = *chosenRate;
    plan.Changes.push_back({index, sounds[index].Path, EditAt(sounds[index], *chosenRate, maxSeconds),
                            sounds[index].SizeBytes, *sizes[index].Changed,
                            ReasonFor(index, sounds[index].SizeBytes, asItIs)});
  }
  if (asItIs.FittingCount < sounds.size()) plan.FirstLeftOut = asItIs.FittingCount;
  return plan;
}
