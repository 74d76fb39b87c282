#include "widgets/SoundLengths.h"

#include <algorithm>
#include <cmath>

#include <QFontMetrics>
#include <QHeaderView>

#include "soundediting/SoundMeasure.h"

namespace {

std::string KeyOf(const std::string& path, const std::string& sizeText) {
  return path + '\n' + sizeText;
}

// Room beside the digits for the cell's margins and the column's edge.
constexpr int LengthCellMargin = 16;

std::string PathOf(const std::string& key) {
  return key.substr(0, key.rfind('\n'));
}

}  // namespace

QString MinutesAndSeconds(double seconds) {
  const long long whole = std::llround(std::max(seconds, 0.0));
  return QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
}

void FitLengthColumn(QHeaderView* header, int lengthColumn) {
  header->setSectionResizeMode(lengthColumn, QHeaderView::Fixed);
  const QFontMetrics metrics(header->parentWidget()->font());
  const int digits = metrics.horizontalAdvance(QStringLiteral("99:99"));
  const QString caption = header->model()->headerData(lengthColumn, Qt::Horizontal).toString();
  const int captionWidth = QFontMetrics(header->font()).horizontalAdvance(caption);
  header->resizeSection(lengthColumn, std::max(digits, captionWidth) + LengthCellMargin);
}

SoundLengths::SoundLengths(QObject* parent) : QObject(parent) {
  // One file at a time: the measuring never takes the cores a list needs.
  pool_.setMaxThreadCount(1);
}

SoundLengths::~SoundLengths() {
  cancelled_->store(true);
  pool_.waitForDone();
}

QString SoundLengths::ShownLength(const std::string& path, const std::string& sizeText) const {
  const auto known = seconds_.find(KeyOf(path, sizeText));
  if (known == seconds_.end() || !known->second) return {};
  return MinutesAndSeconds(*known->second);
}

void SoundLengths::MeasureInBackground(const std::vector<ListedSoundFile>& files) {
  std::vector<std::string> keys;
  for (const ListedSoundFile& file : files) {
    std::string key = KeyOf(file.Path, file.SizeText);
    if (seconds_.contains(key) || !queued_.emplace(key, true).second) continue;
    keys.push_back(std::move(key));
  }
  if (keys.empty()) return;
  pool_.start([this, keys = std::move(keys), cancelled = cancelled_] {
    std::vector<Measured> measured;
    for (const std::string& key : keys) {
      if (cancelled->load()) return;
      const std::optional<SoundMeasure> sound = MeasureSound(PathOf(key));
      measured.push_back({key, sound ? std::optional(sound->Format.Seconds()) : std::nullopt});
    }
    // Delivered on the GUI thread; dropped when this object is gone by then.
    QMetaObject::invokeMethod(
        this, [this, measured = std::move(measured)] { Take(measured); }, Qt::QueuedConnection);
  });
}

void SoundLengths::Take(const std::vector<Measured>& measured) {
  for (const Measured& length : measured) {
    seconds_[length.Key] = length.Seconds;
    queued_.erase(length.Key);
  }
  emit LengthsArrived();
}
