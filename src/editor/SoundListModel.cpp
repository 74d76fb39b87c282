#include "editor/SoundListModel.h"

#include <algorithm>

#include "profiles/SoundFormat.h"

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
  QString tip = QStringLiteral("Name : ") + QString::fromStdString(sound.FileName) +
                QStringLiteral("\nPath : ") + QString::fromStdString(sound.Directory) +
                QLatin1Char('\n');
  // Read when the tip is asked for: the file may have changed since it was added.
  if (const std::optional<SoundFormat> format = DecodeSound(sound.FullPath())) {
    tip += FormatLine(*format) + QLatin1Char('\n');
  }
  return tip + QStringLiteral("Double Click To Play.");
}

SoundListModel::SoundListModel(SongProfile& profile, int slot, const EditorState& state,
                               QObject* parent)
    : QAbstractTableModel(parent), profile_(profile), slot_(slot), state_(state) {}

void SoundListModel::Reload() {
  beginResetModel();
  endResetModel();
}

void SoundListModel::AppendSound(SoundEntry sound) {
  const int row = rowCount();
  beginInsertRows(QModelIndex(), row, row);
  Slot().Sounds.push_back(std::move(sound));
  endInsertRows();
}

bool SoundListModel::RemoveCheckedSounds() {
  std::vector<SoundEntry>& sounds = Slot().Sounds;
  bool removed = false;
  for (int row = 0; row < rowCount();) {
    if (!sounds[static_cast<std::size_t>(row)].Checked) {
      ++row;
      continue;
    }
    beginRemoveRows(QModelIndex(), row, row);
    sounds.erase(sounds.begin() + row);
    endRemoveRows();
    removed = true;
  }
  return removed;
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
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(index.column() == SoundColumn ? entry->FileName
                                                                  : entry->SizeText);
    case Qt::CheckStateRole:
      if (index.column() != SoundColumn) return {};
      return entry->Checked ? Qt::Checked : Qt::Unchecked;
    case Qt::ToolTipRole:
      return ListView1InfoTip(*entry);
    case Qt::BackgroundRole:
      // The highlighting of the sounds that fit (ListView1AdvancedCustomDrawItem).
      if (GlobalIndex(index.row()) < state_.FittingSoundCount) return FittingSoundColour;
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
