#include "programmingrun/SoundLengths.h"

#include <algorithm>
#include <cmath>

#include "soundediting/SoundMeasure.h"

namespace {

std::optional<double> MeasuredSeconds(const std::string& path) {
  const std::optional<SoundMeasure> sound = MeasureSound(path);
  return sound ? std::optional(sound->Format.Seconds()) : std::nullopt;
}

}  // namespace

QString MinutesAndSeconds(double seconds) {
  const long long whole = std::llround(std::max(seconds, 0.0));
  return QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
}

SoundLengths::SoundLengths(QObject* parent)
    : QObject(parent), seconds_(*this, &MeasuredSeconds, [this] { emit LengthsArrived(); }) {}

QString SoundLengths::ShownLength(const std::string& path, const std::string& sizeText) const {
  const std::optional<double>* known = seconds_.Known({path, sizeText});
  if (!known || !*known) return {};
  return MinutesAndSeconds(**known);
}

void SoundLengths::MeasureInBackground(const std::vector<ListedSoundFile>& files) {
  seconds_.LearnInBackground(files);
}
