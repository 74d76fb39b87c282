#include "soundediting/FitPlan.h"

#include <algorithm>
#include <filesystem>
#include <ranges>

#include "device/SoundPacking.h"
#include "soundediting/EditedSound.h"
#include "soundediting/SizeEstimate.h"

namespace {

// A candidate plan at one bit rate: which sounds change, and the sizes then.
class Candidate {
 public:
  Candidate(std::span<const ProfileSound> sounds, int bitRateKbps, std::optional<double> maxSeconds)
      : sounds_(sounds), bitRate_(bitRateKbps), maxSeconds_(maxSeconds), changed_(sounds.size()) {
    for (const ProfileSound& sound : sounds) sizes_.push_back(sound.SizeBytes);
  }

  SoundEdit EditOf(std::size_t index) const {
    const SoundFormat& format = sounds_[index].Format;
    const double seconds = format.Seconds();
    const bool shortened = maxSeconds_ && *maxSeconds_ < seconds;
    SoundEdit edit;
    edit.EndSeconds = shortened ? *maxSeconds_ : seconds;
    edit.FadeOutSeconds = shortened ? std::min(ShortenedFadeOutSeconds, *maxSeconds_) : 0;
    edit.Mono = true;
    edit.Output = {SoundFileKind::Mp3, bitRate_};
    return edit;
  }
  std::int64_t NewBytes(std::size_t index) const {
    return EstimateEditedBytes(sounds_[index].Format, EditOf(index));
  }
  // What changing the sound saves; 0 or less where it would not shrink, and
  // 0 for a sound without frames, which cannot be rewritten.
  std::int64_t Saving(std::size_t index) const {
    if (sounds_[index].Format.Frames <= 0) return 0;
    return sounds_[index].SizeBytes - NewBytes(index);
  }
  bool IsChanged(std::size_t index) const { return changed_[index]; }
  void Change(std::size_t index, bool changed) {
    changed_[index] = changed;
    sizes_[index] = changed ? NewBytes(index) : sounds_[index].SizeBytes;
  }
  std::size_t FittingCount(const UnitStatus& unit) const {
    return PackSounds(sizes_, unit).FittingCount;
  }

  FitPlan ToPlan() const {
    FitPlan plan{true, 0, {}, std::nullopt};
    for (std::size_t index = 0; index < sounds_.size(); ++index) {
      if (!changed_[index]) continue;
      plan.BitRateKbps = bitRate_;
      plan.Changes.push_back(
          {index, sounds_[index].Path, EditOf(index), sounds_[index].SizeBytes, sizes_[index]});
    }
    return plan;
  }

 private:
  std::span<const ProfileSound> sounds_;
  int bitRate_;
  std::optional<double> maxSeconds_;
  std::vector<bool> changed_;
  std::vector<std::int64_t> sizes_;
};

// The sound to change next so that `blocked`, the first sound that does not
// fit, can: `blocked` itself when it shrinks; otherwise, as sounds before it
// hold the room, one of those that did not fit at first before one that did,
// and among those the one that saves the most. Nothing when none would shrink.
std::optional<std::size_t> NextToChange(const Candidate& candidate, std::size_t blocked,
                                        std::size_t fittingAtFirst) {
  if (!candidate.IsChanged(blocked) && candidate.Saving(blocked) > 0) return blocked;
  std::optional<std::size_t> best;
  auto preferred = [&](std::size_t index) {
    return std::pair(index >= fittingAtFirst, candidate.Saving(index));
  };
  for (std::size_t index = 0; index < blocked; ++index) {
    if (candidate.IsChanged(index) || candidate.Saving(index) <= 0) continue;
    if (!best || preferred(index) > preferred(*best)) best = index;
  }
  return best;
}

// Changes sounds until all fit, then takes back every change that turned out
// unneeded, latest first. Returns the first sound that does not fit even with
// every change that would shrink a sound; nothing when all fit.
std::optional<std::size_t> MakeFit(Candidate& candidate, std::size_t count,
                                   const UnitStatus& unit) {
  const std::size_t fittingAtFirst = candidate.FittingCount(unit);
  std::vector<std::size_t> order;
  for (std::size_t blocked = fittingAtFirst; blocked < count;
       blocked = candidate.FittingCount(unit)) {
    const std::optional<std::size_t> next = NextToChange(candidate, blocked, fittingAtFirst);
    if (!next) return blocked;
    candidate.Change(*next, true);
    order.push_back(*next);
  }
  for (const std::size_t index : std::views::reverse(order)) {
    candidate.Change(index, false);
    if (candidate.FittingCount(unit) < count) candidate.Change(index, true);
  }
  return std::nullopt;
}

}  // namespace

FitPlan PlanToFit(std::span<const ProfileSound> sounds, const UnitStatus& unit,
                  std::optional<double> maxSeconds) {
  std::optional<std::size_t> cause;
  for (const int bitRate : std::views::reverse(Mp3BitRates)) {
    Candidate candidate(sounds, bitRate, maxSeconds);
    cause = MakeFit(candidate, sounds.size(), unit);
    if (!cause) return candidate.ToPlan();
  }
  return FitPlan{false, 0, {}, cause};
}

std::vector<std::string> ApplyFitPlan(const FitPlan& plan, const std::string& musicFolder,
                                      const WorkControl& control) {
  double totalSeconds = 0;
  for (const SoundChange& change : plan.Changes) totalSeconds += change.Edit.EndSeconds;
  std::vector<std::string> written;
  try {
    double doneSeconds = 0;
    for (const SoundChange& change : plan.Changes) {
      control.StopIfCancelled();
      const double seconds = change.Edit.EndSeconds;
      const WorkControl part =
          control.Stretch(doneSeconds / totalSeconds, (doneSeconds + seconds) / totalSeconds);
      written.push_back(WriteEditedSound(change.SourcePath, change.Edit, musicFolder, part));
      doneSeconds += seconds;
    }
  } catch (...) {
    std::error_code ignored;
    for (const std::string& path : written) std::filesystem::remove(path, ignored);
    throw;
  }
  return written;
}
