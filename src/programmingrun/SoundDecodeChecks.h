#pragma once

#include <QObject>

#include "profiles/SongProfile.h"
#include "programmingrun/ListedFileFacts.h"
#include "programmingrun/RunPreflight.h"

// The decoder's verdict on every sound file of the lists. Sounds that enter
// by loading a profile or by being found again are decoded off the GUI
// thread once the lists are shown; a file that does not decode as an MP3 or
// WAV sound is then shown as such. The check before a run asks here, so
// that it decodes only what is not known yet.
class SoundDecodeChecks : public QObject, public SoundFileJudge {
  Q_OBJECT

 public:
  // A file that is not there is the missing-file check's business: it is
  // shown as Unknown and decoded again when it is next asked for.
  enum class Verdict { Unknown, Sound, NotASound, Missing };

  explicit SoundDecodeChecks(QObject* parent = nullptr);

  Verdict VerdictOf(const SoundEntry& sound) const;
  // A file already decoded on this thread.
  void Remember(const SoundEntry& sound, bool isSound);
  // Queues the files of the present buttons whose verdict is not known yet.
  void CheckInBackground(const SongProfile& profile);
  // SoundFileJudge: what is not known yet is decoded now, on this thread.
  bool IsThere(const PlannedSound& sound) override;
  bool IsSound(const PlannedSound& sound) override;

 signals:
  // Verdicts found in the background have arrived.
  void VerdictsArrived();

 private:
  ListedFileFacts<Verdict> verdicts_;
};
