#pragma once

#include <QTabWidget>
#include <array>
#include <optional>

#include "editor/SoundListModel.h"
#include "editor/SoundPlayer.h"
#include "profiles/SongProfile.h"

class DocumentSignals;
class QAction;
class QTreeView;

// The button tabs "Btn1" to "Btn8" and their sound lists, showing the open
// profile: a tab per present button, a row per sound. The keys that move
// about and rearrange: Ctrl+Tab and Ctrl+PgDn (Ctrl+Shift+Tab, Ctrl+PgUp)
// go round the tabs, Alt+Up and Alt+Down move the highlighted sound, and a
// drag moves rows within their list, each move one edit.
class SoundLists : public QTabWidget {
  Q_OBJECT

 public:
  SoundLists(DocumentSignals& document, const SoundRowLook& look, QWidget* parent);

  QTreeView* List(int slot) const { return views_[slot]; }
  SoundListModel* Model(int slot) const { return models_[slot]; }
  // The tab on screen, when it shows a button; -1 otherwise.
  int ShownSlot() const;
  // The shown list's highlighted row that is current: the one to play or edit.
  std::optional<PlayingRow> HighlightedRow() const;
  // The highlighted rows of the shown list.
  QList<int> SelectedRows() const;
  // The slot of a list of these tabs.
  int SlotOf(const QTreeView* list) const;
  // Every row's colours, tips and marks again.
  void ShowNewLook();
  // An action of every list, taken while the list has the focus.
  void AddListAction(QAction* action);

 signals:
  // A list's menu, at a point of the list.
  void MenuAsked(QTreeView* list, QPoint position);
  void RowDoubleClicked(int slot, int row);

 private:
  QTreeView* CreateList(int slot);
  void CreateKeyboardMoves();
  // Which buttons are present; Btn1 becomes active when the active one went.
  void ShowButtons();
  // The rows are others now: the highlighted sounds and the current one stay
  // highlighted where they still are, a current one removed gives its row to
  // the sound that follows.
  void Reload();
  void KeepHighlight(int slot);
  // The next visible button tab in the direction of the step, round the end.
  void ShowNeighbourTab(int step);
  // The highlighted sound of the shown list one row up (-1) or down (1).
  void MoveHighlightedSound(int step);
  void MoveRows(int slot, QList<int> rows, int before);
  // The rows highlighted, and the current one, as they stand after a move.
  void Highlight(int slot, const QList<int>& rows, int current);

  DocumentSignals& document_;
  std::array<QTreeView*, ButtonSlotCount> views_{};
  std::array<SoundListModel*, ButtonSlotCount> models_{};
  // The sounds' names as the lists last showed them: a name stands for its
  // row, as a list holds each name once.
  struct Shown {
    std::vector<std::string> Names;
    QList<int> Highlighted;
    int Current = -1;
  };
  std::array<Shown, ButtonSlotCount> shown_{};
};
