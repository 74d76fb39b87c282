#include "editor/SoundPlayer.h"

#include <exception>

#include "widgets/SoundOutput.h"

SoundPlayer::SoundPlayer(SoundOutput& output, QObject* parent) : QObject(parent), output_(output) {
  worker_.setMaxThreadCount(1);
}

SoundPlayer::~SoundPlayer() {
  output_.Stop();
  worker_.waitForDone();
}

void SoundPlayer::Play(std::function<Sound()> makeSound, PlayingRow row) {
  output_.Stop();
  const int generation = ++generation_;
  active_ = true;
  playing_ = row;
  emit PlayingChanged();
  worker_.start([this, generation, makeSound = std::move(makeSound)] {
    try {
      Sound sound = makeSound();
      QMetaObject::invokeMethod(
          this, [this, generation, sound = std::move(sound)] { Start(generation, sound); },
          Qt::QueuedConnection);
    } catch (const std::exception& error) {
      const QString message = QString::fromStdString(error.what());
      QMetaObject::invokeMethod(
          this, [this, generation, message] { Fail(generation, message); }, Qt::QueuedConnection);
    }
  });
}

void SoundPlayer::Stop() {
  ++generation_;
  output_.Stop();
  Finish();
}

void SoundPlayer::Start(int generation, const Sound& sound) {
  if (generation != generation_) return;
  if (!output_.Play(sound, [this] { Finish(); }))
    Fail(generation, tr("No sound output is available"));
}

void SoundPlayer::Fail(int generation, const QString& message) {
  if (generation != generation_) return;
  Finish();
  emit Failed(message);
}

void SoundPlayer::Finish() {
  if (!active_) return;
  active_ = false;
  playing_ = {};
  emit PlayingChanged();
}
