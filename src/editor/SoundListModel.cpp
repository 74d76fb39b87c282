#include "editor/SoundListModel.h"

#include <algorithm>
#include <functional>

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QMimeData>
#include <QStyle>

#include "formatting/NumberFormat.h"
#include "profiles/SoundFormat.h"
#include "profiles/VisibleText.h"
#include "programmingrun/RunTexts.h"
#include "widgets/SizeColumn.h"

namespace {

// A drag of rows within a list.
const QString RowMimeType = QStringLiteral("application/x-vantora-sound-rows");

// "Length : 1.5 seconds, 22050 Hz, 2 channels"
QString FormatLine(const SoundFormat& format) {
  const QString seconds = QString::fromStdString(FixedDecimalNumber(format.Seconds(), 1));
  const QString rate = QString::number(format.SampleRate);
  return format.Channels == 1
             ? SoundListModel::tr("Length : %1 seconds, %2 Hz, 1 channel").arg(seconds, rate)
             : SoundListModel::tr("Length : %1 seconds, %2 Hz, %3 channels")
                   .arg(seconds, rate, QString::number(format.Channels));
}

QFont PlayingFont() {
  QFont font;
  font.setBold(true);
  return font;
}

QIcon PlayMark() {
  return QApplication::style()->standardIcon(QStyle::SP_MediaPlay);
}

}  // namespace

QString SoundTip(const SoundEntry& sound) {
  QString tip = SoundListModel::tr("Name : %1\nPath : %2\n")
                    .arg(QString::fromStdString(VisibleText(sound.FileName)),
                         QString::fromStdString(VisibleText(sound.Directory)));
  // Read when the tip is asked for: the file may have changed since it was added.
  if (const std::optional<SoundFormat> format = DecodeSound(sound.FullPath())) {
    tip += FormatLine(*format) + QLatin1Char('\n');
  }
  return tip + SoundListModel::tr("Double Click To Play.");
}

SoundListModel::SoundListModel(ProfileDocument& document, int slot, const SoundRowLook& look,
                               QObject* parent)
    : QAbstractTableModel(parent), document_(document), slot_(slot), look_(look) {}

void SoundListModel::Reload() {
  beginResetModel();
  endResetModel();
}

void SoundListModel::ShowNewLook() {
  if (rowCount() == 0) return;
  emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1),
                   {Qt::DisplayRole, Qt::BackgroundRole, Qt::ForegroundRole, Qt::ToolTipRole,
                    Qt::FontRole, Qt::DecorationRole});
}

Qt::DropActions SoundListModel::supportedDropActions() const {
  return Qt::MoveAction;
}

QStringList SoundListModel::mimeTypes() const {
  return {RowMimeType};
}

// The slot, then the rows, as text: a drag carries them to its own list only.
QMimeData* SoundListModel::mimeData(const QModelIndexList& indexes) const {
  QStringList rows{QString::number(slot_)};
  for (const QModelIndex& index : indexes) {
    if (index.column() == SoundColumn) rows << QString::number(index.row());
  }
  auto* data = new QMimeData();
  data->setData(RowMimeType, rows.join(QLatin1Char(' ')).toLatin1());
  return data;
}

QList<int> SoundListModel::DraggedRows(const QMimeData* data) const {
  const QStringList numbers =
      QString::fromLatin1(data->data(RowMimeType)).split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (numbers.isEmpty() || numbers.front().toInt() != slot_) return {};
  QList<int> rows;
  for (qsizetype at = 1; at < numbers.size(); ++at) {
    const int row = numbers[at].toInt();
    if (row >= 0 && row < rowCount()) rows << row;
  }
  return rows;
}

bool SoundListModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int, int,
                                     const QModelIndex&) const {
  return action == Qt::MoveAction && !DraggedRows(data).isEmpty();
}

bool SoundListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                  int column, const QModelIndex& parent) {
  if (!canDropMimeData(data, action, row, column, parent)) return false;
  // Dropped on a row: before it; below the last row: to the end.
  const int before = parent.isValid() ? parent.row() : row < 0 ? rowCount() : row;
  emit MoveAsked(DraggedRows(data), before);
  return true;
}

bool SoundListModel::IsPlaying(const QModelIndex& index) const {
  return index.column() == SoundColumn && look_.Playing == PlayingRow{slot_, index.row()};
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
    rowsBefore += static_cast<int>(document_.Lists().Buttons[slot].Sounds.size());
  }
  return rowsBefore + row;
}

bool SoundListModel::IsLeftOut(int row) const {
  return look_.Fit.UnitKnown && GlobalIndex(row) >= look_.Fit.FittingSoundCount;
}

QVariant SoundListModel::data(const QModelIndex& index, int role) const {
  const SoundEntry* entry = EntryAt(index);
  if (!entry) return {};
  const bool fits = GlobalIndex(index.row()) < look_.Fit.FittingSoundCount;
  const bool leftOut = IsLeftOut(index.row());
  const bool notASound =
      look_.Checks.VerdictOf(*entry) == SoundDecodeChecks::Verdict::NotASound;
  switch (role) {
    case Qt::DisplayRole:
      if (index.column() == SizeColumn) return ShownSize(VisibleText(entry->SizeText));
      if (index.column() == LengthColumn) {
        return look_.Lengths.ShownLength(entry->FullPath(), entry->SizeText);
      }
      return QString::fromStdString(VisibleText(entry->FileName));
    case Qt::TextAlignmentRole:
      if (index.column() != SoundColumn) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
      return {};
    case Qt::CheckStateRole:
      if (index.column() != SoundColumn) return {};
      return entry->Checked ? Qt::Checked : Qt::Unchecked;
    case Qt::ToolTipRole:
      if (notASound) return tr("Not an MP3 or WAV sound") + QLatin1Char('\n') + SoundTip(*entry);
      if (leftOut) {
        return QString::fromStdString(LeftOutText(look_.Fit.Plan, GlobalIndex(index.row()))) +
               QLatin1Char('\n') + SoundTip(*entry);
      }
      return SoundTip(*entry);
    case Qt::BackgroundRole:
      // The highlighting of the sounds that fit (ListView1AdvancedCustomDrawItem).
      if (fits) return FittingSoundColour;
      return {};
    case Qt::FontRole:
      return IsPlaying(index) ? PlayingFont() : QVariant();
    case Qt::DecorationRole:
      return IsPlaying(index) ? PlayMark() : QVariant();
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
  document_.Tick(slot_, static_cast<std::size_t>(index.row()), value.toInt() == Qt::Checked);
  emit dataChanged(index, index, {Qt::CheckStateRole});
  return true;
}

Qt::ItemFlags SoundListModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  // Rows are dropped between rows, never onto one.
  if (!index.isValid()) return flags | Qt::ItemIsDropEnabled;
  flags |= Qt::ItemIsDragEnabled;
  if (index.column() == SoundColumn) flags |= Qt::ItemIsUserCheckable;
  return flags;
}

QVariant SoundListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == Qt::TextAlignmentRole && section != SoundColumn) {
    return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  }
  if (role != Qt::DisplayRole) return {};
  switch (section) {
    case SoundColumn:
      return tr("Sound");
    case SizeColumn:
      return tr("Size");
    default:
      return tr("Length");
  }
}
