// The profile editor's keys for moving about and rearranging: the button
// tabs in turn, and the highlighted sound up or down its list.
#include <QAction>
#include <QTabWidget>
#include <QTreeView>

#include "editor/ProfileEditor.h"
#include "editor/SoundListModel.h"

namespace {

QAction* KeyAction(QObject* parent, const char* name, QList<QKeySequence> keys,
                   Qt::ShortcutContext context) {
  auto* action = new QAction(parent);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcuts(keys);
  action->setShortcutContext(context);
  return action;
}

}  // namespace

void ProfileEditor::CreateKeyboardMoves() {
  QAction* nextTab =
      KeyAction(this, "NextButtonTab",
                {QKeySequence(Qt::CTRL | Qt::Key_PageDown), QKeySequence(Qt::CTRL | Qt::Key_Tab)},
                Qt::WindowShortcut);
  connect(nextTab, &QAction::triggered, this, [this] { ShowNeighbourTab(1); });
  QAction* previousTab = KeyAction(this, "PreviousButtonTab",
                                   {QKeySequence(Qt::CTRL | Qt::Key_PageUp),
                                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)},
                                   Qt::WindowShortcut);
  connect(previousTab, &QAction::triggered, this, [this] { ShowNeighbourTab(-1); });
  addActions({nextTab, previousTab});

  // Each list takes the moves while it has the focus: elsewhere Alt+Down
  // opens the profile selector.
  QAction* up =
      KeyAction(this, "MoveSoundUp", {QKeySequence(Qt::ALT | Qt::Key_Up)}, Qt::WidgetShortcut);
  connect(up, &QAction::triggered, this, [this] { MoveHighlightedSound(-1); });
  QAction* down =
      KeyAction(this, "MoveSoundDown", {QKeySequence(Qt::ALT | Qt::Key_Down)}, Qt::WidgetShortcut);
  connect(down, &QAction::triggered, this, [this] { MoveHighlightedSound(1); });
  for (QTreeView* list : soundListViews_) list->addActions({up, down});
}

void ProfileEditor::ShowNeighbourTab(int step) {
  const int count = buttonTabs_->count();
  int tab = buttonTabs_->currentIndex();
  for (int tried = 0; tried < count; ++tried) {
    tab = (tab + step + count) % count;
    if (buttonTabs_->isTabVisible(tab)) {
      buttonTabs_->setCurrentIndex(tab);
      return;
    }
  }
}

void ProfileEditor::MoveHighlightedSound(int step) {
  const int slot = buttonTabs_->currentIndex();
  SoundListModel* sounds = soundLists_[slot];
  QTreeView* list = soundListViews_[slot];
  const int row = list->currentIndex().row();
  const int target = row + step;
  if (row < 0 || target < 0 || target >= sounds->rowCount()) return;
  history_->Record(QStringLiteral("Move Sound"),
                   [&] { sounds->moveRows({}, row, 1, {}, step > 0 ? target + 1 : target); });
  // The highlight goes with the sound, so the key can be pressed again.
  list->setCurrentIndex(sounds->index(target, 0));
  MarkEdited();
  RefreshCapacity();
}
