#include "widgets/QtSoundOutput.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "diagnostics/LogCategories.h"

namespace {

QByteArray AsPcm16(const Sound& sound) {
  QByteArray bytes(static_cast<qsizetype>(sound.Samples.size() * sizeof(std::int16_t)),
                   Qt::Uninitialized);
  auto* out = reinterpret_cast<std::int16_t*>(bytes.data());
  for (const float sample : sound.Samples) {
    *out++ = static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0F, 1.0F) * 32767.0F));
  }
  return bytes;
}

}  // namespace

QtSoundOutput::~QtSoundOutput() {
  Stop();
}

bool QtSoundOutput::Play(const Sound& sound, std::function<void()> ended) {
  Stop();
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) qCInfo(SoundLogging, "no sound output device");
  if (device.isNull() || sound.Channels < 1 || sound.SampleRate < 1) return false;
  QAudioFormat format;
  format.setSampleRate(sound.SampleRate);
  format.setChannelCount(sound.Channels);
  format.setSampleFormat(QAudioFormat::Int16);
  samples_ = AsPcm16(sound);
  source_.setBuffer(&samples_);
  source_.open(QIODevice::ReadOnly);
  sink_ = std::make_unique<QAudioSink>(device, format);
  QObject::connect(sink_.get(), &QAudioSink::stateChanged, sink_.get(),
                   [this](QAudio::State state) { OnStateChanged(state); });
  sink_->start(&source_);
  if (sink_->error() != QAudio::NoError) {
    qCWarning(SoundLogging, "the sound output %s refused to play (error %d)",
              qPrintable(device.description()), static_cast<int>(sink_->error()));
    Stop();
    return false;
  }
  ended_ = std::move(ended);
  return true;
}

void QtSoundOutput::Stop() {
  ended_ = nullptr;
  if (sink_) {
    sink_->disconnect();
    sink_->stop();
    // Deleted later: Stop may be called from the sink's own signal.
    sink_.release()->deleteLater();
  }
  source_.close();
}

void QtSoundOutput::OnStateChanged(QAudio::State state) {
  // Idle: the whole sound was played. Stopped by itself: the device went away.
  if (state != QAudio::IdleState && state != QAudio::StoppedState) return;
  std::function<void()> ended = std::move(ended_);
  Stop();
  if (ended) ended();
}
