#include "programmingrun/SoundDecodeChecks.h"

#include "profiles/FileAccess.h"
#include "profiles/SoundFormat.h"

namespace {

ListedSoundFile Listed(const SoundEntry& sound) { return {sound.FullPath(), sound.SizeText}; }

SoundDecodeChecks::Verdict Decode(const std::string& path) {
  if (DecodeSound(path)) return SoundDecodeChecks::Verdict::Sound;
  return IsRegularFile(path) ? SoundDecodeChecks::Verdict::NotASound
                             : SoundDecodeChecks::Verdict::Missing;
}

}  // namespace

SoundDecodeChecks::SoundDecodeChecks(QObject* parent)
    : QObject(parent), verdicts_(*this, &Decode, [this] { emit VerdictsArrived(); }) {}

SoundDecodeChecks::Verdict SoundDecodeChecks::VerdictOf(const SoundEntry& sound) const {
  const Verdict* known = verdicts_.Known(Listed(sound));
  if (!known || *known == Verdict::Missing) return Verdict::Unknown;
  return *known;
}

void SoundDecodeChecks::Remember(const SoundEntry& sound, bool isSound) {
  verdicts_.Keep(Listed(sound), isSound ? Verdict::Sound : Verdict::NotASound);
}

void SoundDecodeChecks::CheckInBackground(const SongProfile& profile) {
  std::vector<ListedSoundFile> files;
  for (const ButtonSlot& button : profile.Buttons) {
    if (!button.Present) continue;
    for (const SoundEntry& sound : button.Sounds) files.push_back(Listed(sound));
  }
  verdicts_.LearnInBackground(files);
}

bool SoundDecodeChecks::IsThere(const PlannedSound& sound) {
  return IsRegularFile(sound.FullPath());
}

bool SoundDecodeChecks::IsSound(const PlannedSound& sound) {
  const ListedSoundFile file{sound.FullPath(), sound.SizeText};
  const Verdict* known = verdicts_.Known(file);
  if (known && *known != Verdict::Missing) return *known == Verdict::Sound;
  const Verdict verdict = Decode(file.Path);
  verdicts_.Keep(file, verdict);
  return verdict == Verdict::Sound;
}
