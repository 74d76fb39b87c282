#pragma once

#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
#include <memory>

#include "widgets/SoundOutput.h"

// The default audio output of the machine through Qt Multimedia. Sounds are
// sent as 16-bit samples, which every output takes.
class QtSoundOutput final : public SoundOutput {
 public:
  ~QtSoundOutput() override;

  bool Play(const Sound& sound, std::function<void()> ended) override;
  void Stop() override;

 private:
  void OnStateChanged(QAudio::State state);

  std::unique_ptr<QAudioSink> sink_;
  QByteArray samples_;
  QBuffer source_;
  std::function<void()> ended_;
};
