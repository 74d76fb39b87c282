#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <functional>

#include "soundediting/Sound.h"

class SoundOutput;

// The row of the editor's lists whose sound is heard; -1 for none, or for a
// sound heard from elsewhere (the sound editor's selection).
struct PlayingRow {
  int Slot = -1;
  int Row = -1;

  bool operator==(const PlayingRow&) const = default;
};

// Hears sounds inside the program: makes the samples off the GUI thread
// (decoding may take a moment for a long song), then plays them on the
// audio output. One sound at a time; a new one replaces the last.
class SoundPlayer : public QObject {
  Q_OBJECT

 public:
  SoundPlayer(SoundOutput& output, QObject* parent = nullptr);
  ~SoundPlayer() override;

  // `makeSound` runs on a worker thread; what it throws is told by Failed.
  void Play(std::function<Sound()> makeSound, PlayingRow row = {});
  void Stop();
  // From Play until the sound ended or Stop.
  bool IsActive() const { return active_; }
  const PlayingRow& Playing() const { return playing_; }

 signals:
  // Playing started or ended, or moved to another row.
  void PlayingChanged();
  // No sound output, or the sound could not be read; the text says which.
  void Failed(const QString& message);

 private:
  void Start(int generation, const Sound& sound);
  void Fail(int generation, const QString& message);
  void Finish();

  SoundOutput& output_;
  QThreadPool worker_;
  // Counts the sounds asked for: samples made for an earlier one are dropped.
  int generation_ = 0;
  bool active_ = false;
  PlayingRow playing_;
};
