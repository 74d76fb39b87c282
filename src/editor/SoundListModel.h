#pragma once

#include <QAbstractTableModel>
#include <QColor>

#include "programmingrun/ProgrammingPlan.h"
#include "programmingrun/SoundDecodeChecks.h"
#include "editor/SoundPlayer.h"
#include "profiles/ProfileDocument.h"
#include "profiles/SongProfile.h"
#include "programmingrun/SoundLengths.h"

// The background of the sounds that fit into the unit: a light blue.
inline const QColor FittingSoundColour{102, 204, 255};
// The text of a file that is no MP3 or WAV sound, and of a sound left out.
inline const QColor NotASoundColour{255, 0, 0};
inline const QColor LeftOutColour{128, 128, 128};

// What the editor knows of the fit of the lists into the unit: whether a
// unit is connected or was seen, how many sounds fit from the first of Btn1
// on, and the packing that leaves the rest out.
struct UnitFit {
  bool UnitConnected = false;
  // A unit is connected, or one was seen before: what fits is known.
  bool UnitKnown = false;
  int FittingSoundCount = 0;
  ProgrammingPlan Plan;
};

// What the rows show beyond their entries, the same for the eight lists.
struct SoundRowLook {
  const UnitFit& Fit;
  const SoundDecodeChecks& Checks;
  const SoundLengths& Lengths;
  // The row heard: its name is bold, with a play mark.
  const PlayingRow& Playing;
};

// The tip of a row: its name, its folder, its length, sample rate and
// channels as its decoder reads them, and how to play it.
QString SoundTip(const SoundEntry& sound);

// The rows of one button's list: a view of the open profile's sounds of the
// slot, which stay the truth and change only through the document. The
// check box of a row is the sound's tick; the sounds that fit into the
// unit, counted from the first row of Btn1, are light blue, the others grey
// with the reason as their tip, and a file that is no sound red. Rows are
// dragged within their own list only; a drop asks for the move.
class SoundListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { SoundColumn, SizeColumn, LengthColumn, ColumnCount };

  SoundListModel(ProfileDocument& document, int slot, const SoundRowLook& look, QObject* parent);

  // The slot's rows are others now.
  void Reload();
  // What fits, what is left out, what the decoder said, which row plays or
  // the lengths known have changed: every row's colours, tip, mark and length.
  void ShowNewLook();
  // A row greyed as left out of the unit.
  bool IsLeftOut(int row) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::DropActions supportedDropActions() const override;
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;
  bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                       const QModelIndex& parent) const override;
  bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                    const QModelIndex& parent) override;

 signals:
  // Rows dropped within the list: they go, in their order, before the row
  // `before`, or to the end when it is the row count.
  void MoveAsked(QList<int> rows, int before);

 private:
  const ButtonSlot& Slot() const { return document_.Lists().Buttons[slot_]; }
  const SoundEntry* EntryAt(const QModelIndex& index) const;
  bool IsPlaying(const QModelIndex& index) const;
  // The row's place among all sounds of the profile, Btn1's first.
  int GlobalIndex(int row) const;
  // The rows a drag of this list carries; none for a drag of another list.
  QList<int> DraggedRows(const QMimeData* data) const;

  ProfileDocument& document_;
  int slot_;
  const SoundRowLook& look_;
};
