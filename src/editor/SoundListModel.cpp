#include "editor/SoundListModel.h"

SoundListModel::SoundListModel(ButtonSlot& slot, QObject* parent)
    : QAbstractTableModel(parent), slot_(slot) {}

void SoundListModel::Reload() {
  beginResetModel();
  endResetModel();
}

int SoundListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(slot_.Sounds.size());
}

int SoundListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

const SoundEntry* SoundListModel::EntryAt(const QModelIndex& index) const {
  if (!index.isValid() || index.row() >= static_cast<int>(slot_.Sounds.size())) return nullptr;
  return &slot_.Sounds[static_cast<std::size_t>(index.row())];
}

QVariant SoundListModel::data(const QModelIndex& index, int role) const {
  const SoundEntry* entry = EntryAt(index);
  if (!entry) return {};
  if (role == Qt::DisplayRole) {
    return QString::fromStdString(index.column() == SoundColumn ? entry->FileName
                                                                : entry->SizeText);
  }
  if (role == Qt::CheckStateRole && index.column() == SoundColumn) {
    return entry->Checked ? Qt::Checked : Qt::Unchecked;
  }
  return {};
}

bool SoundListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::CheckStateRole || index.column() != SoundColumn || !EntryAt(index)) return false;
  slot_.Sounds[static_cast<std::size_t>(index.row())].Checked = value.toInt() == Qt::Checked;
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
