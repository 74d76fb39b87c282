#include "editor/SoundListModel.h"

#include <algorithm>
#include <functional>

#include "profiles/SoundFormat.h"
#include "profiles/VisibleText.h"

namespace {

// "Length : 1.5 seconds, 22050 Hz, 2 channels"
QString FormatLine(const SoundFormat& format) {
  return QStringLiteral("Length : %1 seconds, %2 Hz, %3 %4")
      .arg(QString::number(format.Seconds(), 'f', 1))
      .arg(format.SampleRate)
      .arg(format.Channels)
      .arg(format.Channels == 1 ? QStringLiteral("channel") : QStringLiteral("channels"));
}

}  // namespace

QString ListView1InfoTip(const SoundEntry& sound) {
  QString tip = QStringLiteral("Name : ") + QString::fromStdString(VisibleText(sound.FileName)) +
                QStringLiteral("\nPath : ") + QString::fromStdString(VisibleText(sound.Directory)) +
                QLatin1Char('\n');
  // Read when the tip is asked for: the file may have changed since it was added.
  if (const std::optional<SoundFormat> format = DecodeSound(sound.FullPath())) {
    tip += FormatLine(*format) + QLatin1Char('\n');
  }
  return tip + QStringLiteral("Double Click To Play.");
}

SoundListModel::SoundListModel(SongProfile& profile, int slot, const SoundRowLook& look,
                               QObject* parent)
    : QAbstractTableModel(parent), profile_(profile), slot_(slot), look_(look) {}

void SoundListModel::Reload() {
  beginResetModel();
  endResetModel();
}

void SoundListModel::ShowNewLook() {
  if (rowCount() == 0) return;
  emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1),
                   {Qt::BackgroundRole, Qt::ForegroundRole, Qt::ToolTipRole});
}

void SoundListModel::AppendSound(SoundEntry sound) {
  const int row = rowCount();
  beginInsertRows(QModelIndex(), row, row);
  Slot().Sounds.push_back(std::move(sound));
  endInsertRows();
}

int SoundListModel::RemoveCheckedSounds() {
  QList<int> checked;
  for (int row = 0; row < rowCount(); ++row) {
    if (Slot().Sounds[static_cast<std::size_t>(row)].Checked) checked << row;
  }
  return RemoveRows(checked);
}

int SoundListModel::RemoveRows(QList<int> rows) {
  std::sort(rows.begin(), rows.end(), std::greater<>());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  std::vector<SoundEntry>& sounds = Slot().Sounds;
  // From the bottom up, so that the rows still to go keep their numbers.
  for (const int row : rows) {
    beginRemoveRows(QModelIndex(), row, row);
    sounds.erase(sounds.begin() + row);
    endRemoveRows();
  }
  return static_cast<int>(rows.size());
}

int SoundListModel::CheckedCount() const {
  return static_cast<int>(std::count_if(Slot().Sounds.begin(), Slot().Sounds.end(),
                                        [](const SoundEntry& sound) { return sound.Checked; }));
}

void SoundListModel::MoveSound(int row, int before) {
  // Moving a row before itself or before its neighbour below changes nothing.
  if (before == row || before == row + 1) return;
  std::vector<SoundEntry>& sounds = Slot().Sounds;
  beginMoveRows(QModelIndex(), row, row, QModelIndex(), before);
  if (before < row) {
    std::rotate(sounds.begin() + before, sounds.begin() + row, sounds.begin() + row + 1);
  } else {
    std::rotate(sounds.begin() + row, sounds.begin() + row + 1, sounds.begin() + before);
  }
  endMoveRows();
}

int SoundListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(Slot().Sounds.size());
}

int SoundListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

const SoundEntry* SoundListModel::EntryAt(const QModelIndex& index) const {
  if (!index.isValid() || index.row() >= rowCount()) return nullptr;
  return &Slot().Sounds[static_cast<std::size_t>(index.row())];
}

int SoundListModel::GlobalIndex(int row) const {
  int rowsBefore = 0;
  for (int slot = 0; slot < slot_; ++slot) {
    rowsBefore += static_cast<int>(profile_.Buttons[slot].Sounds.size());
  }
  return rowsBefore + row;
}

QVariant SoundListModel::data(const QModelIndex& index, int role) const {
  const SoundEntry* entry = EntryAt(index);
  if (!entry) return {};
  const bool fits = GlobalIndex(index.row()) < look_.State.FittingSoundCount;
  const bool leftOut = look_.State.UnitConnected && !fits;
  const bool notASound =
      look_.Checks.VerdictOf(*entry) == SoundDecodeChecks::Verdict::NotASound;
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(
          VisibleText(index.column() == SoundColumn ? entry->FileName : entry->SizeText));
    case Qt::CheckStateRole:
      if (index.column() != SoundColumn) return {};
      return entry->Checked ? Qt::Checked : Qt::Unchecked;
    case Qt::ToolTipRole:
      if (notASound) return QStringLiteral("Not an MP3 or WAV sound\n") + ListView1InfoTip(*entry);
      if (leftOut) return look_.MisfitTip + QLatin1Char('\n') + ListView1InfoTip(*entry);
      return ListView1InfoTip(*entry);
    case Qt::BackgroundRole:
      // The highlighting of the sounds that fit (ListView1AdvancedCustomDrawItem).
      if (fits) return FittingSoundColour;
      return {};
    case Qt::ForegroundRole:
      if (notASound) return NotASoundColour;
      if (leftOut) return LeftOutColour;
      return {};
    default:
      return {};
  }
}

bool SoundListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::CheckStateRole || index.column() != SoundColumn || !EntryAt(index)) return false;
  Slot().Sounds[static_cast<std::size_t>(index.row())].Checked = value.toInt() == Qt::Checked;
  emit dataChanged(index, index, {Qt::CheckStateRole});
  return true;
}

Qt::ItemFlags SoundListModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (index.column() == SoundColumn) flags |= Qt::ItemIsUserCheckable;
  return flags;
}

QVariant SoundListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return section == SoundColumn ? QStringLiteral("Sound") : QStringLiteral("Size");
}
