#pragma once

#include <QAbstractTableModel>

#include "profiles/SongProfile.h"

// The rows of one button's list: a view of the slot's sounds, which stay the
// truth. The check box of a row is the sound's Checked mark.
class SoundListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { SoundColumn, SizeColumn, ColumnCount };

  SoundListModel(ButtonSlot& slot, QObject* parent);

  // The slot's rows were replaced.
  void Reload();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const SoundEntry* EntryAt(const QModelIndex& index) const;

  ButtonSlot& slot_;
};
