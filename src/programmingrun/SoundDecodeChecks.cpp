#include "programmingrun/SoundDecodeChecks.h"

#include "profiles/FileAccess.h"
#include "profiles/SoundFormat.h"

namespace {

// A file is known by its path and the size it was listed with: a file
// replaced by another of another size is decoded again.
std::string KeyOf(const std::string& path, const std::string& sizeText) {
  return path + '\n' + sizeText;
}

std::string KeyOf(const SoundEntry& sound) {
  return KeyOf(sound.FullPath(), sound.SizeText);
}

std::string PathOf(const std::string& key) {
  return key.substr(0, key.rfind('\n'));
}

SoundDecodeChecks::Verdict Decode(const std::string& path) {
  if (DecodeSound(path)) return SoundDecodeChecks::Verdict::Sound;
  return IsRegularFile(path) ? SoundDecodeChecks::Verdict::NotASound
                             : SoundDecodeChecks::Verdict::Missing;
}

}  // namespace

SoundDecodeChecks::SoundDecodeChecks(QObject* parent) : QObject(parent) {
  // One file at a time: the lists stay quick while a long profile is checked.
  pool_.setMaxThreadCount(1);
}

SoundDecodeChecks::~SoundDecodeChecks() {
  cancelled_->store(true);
  pool_.waitForDone();
}

SoundDecodeChecks::Verdict SoundDecodeChecks::VerdictOf(const SoundEntry& sound) const {
  const auto known = verdicts_.find(KeyOf(sound));
  if (known == verdicts_.end() || known->second == Verdict::Missing) return Verdict::Unknown;
  return known->second;
}

void SoundDecodeChecks::Remember(const SoundEntry& sound, bool isSound) {
  verdicts_[KeyOf(sound)] = isSound ? Verdict::Sound : Verdict::NotASound;
}

void SoundDecodeChecks::CheckInBackground(const SongProfile& profile) {
  std::vector<std::string> keys;
  for (const ButtonSlot& button : profile.Buttons) {
    if (!button.Present) continue;
    for (const SoundEntry& sound : button.Sounds) {
      std::string key = KeyOf(sound);
      if (verdicts_.contains(key) || !queued_.emplace(key, true).second) continue;
      keys.push_back(std::move(key));
    }
  }
  if (keys.empty()) return;
  pool_.start([this, keys = std::move(keys), cancelled = cancelled_] {
    std::vector<Found> found;
    for (const std::string& key : keys) {
      if (cancelled->load()) return;
      found.push_back({key, Decode(PathOf(key))});
    }
    // Delivered on the GUI thread; dropped when this object is gone by then.
    QMetaObject::invokeMethod(
        this, [this, found = std::move(found)] { Take(found); }, Qt::QueuedConnection);
  });
}

void SoundDecodeChecks::Take(const std::vector<Found>& found) {
  for (const Found& verdict : found) {
    verdicts_[verdict.Key] = verdict.Said;
    queued_.erase(verdict.Key);
  }
  emit VerdictsArrived();
}

bool SoundDecodeChecks::IsThere(const PlannedSound& sound) {
  return IsRegularFile(sound.FullPath());
}

bool SoundDecodeChecks::IsSound(const PlannedSound& sound) {
  Verdict& verdict = verdicts_[KeyOf(sound.FullPath(), sound.SizeText)];
  if (verdict == Verdict::Unknown || verdict == Verdict::Missing) {
    verdict = Decode(sound.FullPath());
  }
  return verdict == Verdict::Sound;
}
