// The profile editor's hearing of sounds inside the program: Space plays the
// highlighted row of the shown list and marks it, Space again or Esc stops.
#include <QAction>
#include <QItemSelectionModel>
#include <QTabWidget>
#include <QTreeView>

#include "editor/ProfileEditor.h"
#include "soundediting/SoundDecoding.h"

void ProfileEditor::CreateSoundHearing() {
  // Each list takes Space while it has the focus.
  playSound_ = new QAction(QStringLiteral("&Play"), this);
  playSound_->setObjectName(QStringLiteral("PlaySound1"));
  playSound_->setShortcut(QKeySequence(Qt::Key_Space));
  playSound_->setShortcutContext(Qt::WidgetShortcut);
  connect(playSound_, &QAction::triggered, this, &ProfileEditor::PlayOrStopHighlighted);
  // Esc is taken only while a sound plays.
  stopSound_ = new QAction(QStringLiteral("S&top"), this);
  stopSound_->setObjectName(QStringLiteral("StopSound1"));
  stopSound_->setShortcut(QKeySequence(Qt::Key_Escape));
  stopSound_->setEnabled(false);
  addAction(stopSound_);
  connect(stopSound_, &QAction::triggered, this, &ProfileEditor::StopPlaying);
  connect(&player_, &SoundPlayer::PlayingChanged, this, &ProfileEditor::ShowPlayingRow);
  connect(&player_, &SoundPlayer::Failed, this,
          [this](const QString& message) { ShowInfo(message.toStdString(), InfoColour::Failure); });
}

const SoundEntry& ProfileEditor::SoundAt(PlayingRow row) const {
  return store_.Profile().Buttons[row.Slot].Sounds[static_cast<std::size_t>(row.Row)];
}

std::optional<PlayingRow> ProfileEditor::HighlightedRow() const {
  const int slot = buttonTabs_->currentIndex();
  if (slot < 0 || !buttonTabs_->isTabVisible(slot)) return std::nullopt;
  const QTreeView* list = soundListViews_[slot];
  const QModelIndex row = list->currentIndex();
  if (!row.isValid() || !list->selectionModel()->isRowSelected(row.row())) return std::nullopt;
  return PlayingRow{slot, row.row()};
}

void ProfileEditor::PlayOrStopHighlighted() {
  if (player_.IsActive()) {
    StopPlaying();
    return;
  }
  const std::optional<PlayingRow> row = HighlightedRow();
  if (!row) {
    ShowInfo("Select the sound to play", InfoColour::Ordinary);
    return;
  }
  ShowInfo("", InfoColour::Kept);
  player_.Play([path = SoundAt(*row).FullPath()] { return DecodeSoundFile(path); }, *row);
}

void ProfileEditor::StopPlaying() {
  player_.Stop();
}

void ProfileEditor::StopPlayingOnRowChanges(int slot) {
  const auto stop = [this, slot] {
    if (player_.Playing().Slot == slot) player_.Stop();
  };
  SoundListModel* list = soundLists_[slot];
  connect(list, &QAbstractItemModel::rowsRemoved, this, stop);
  connect(list, &QAbstractItemModel::rowsMoved, this, stop);
  connect(list, &QAbstractItemModel::modelReset, this, stop);
}

void ProfileEditor::ShowPlayingRow() {
  stopSound_->setEnabled(player_.IsActive());
  for (SoundListModel* list : soundLists_) list->ShowNewLook();
}
