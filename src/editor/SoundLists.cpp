#include "editor/SoundLists.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStyle>
#include <QTabBar>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/ButtonTabStyle.h"
#include "editor/DocumentSignals.h"
#include "widgets/SizeColumn.h"
#include "widgets/LengthColumn.h"

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

SoundLists::SoundLists(DocumentSignals& document, const SoundRowLook& look, QWidget* parent)
    : QTabWidget(parent), document_(document) {
  setObjectName(QStringLiteral("PageControl1"));
  QFont captions = tabBar()->font();
  captions.setBold(true);
  tabBar()->setFont(captions);
  auto* tabStyle = new ButtonTabStyle();
  tabStyle->setParent(tabBar());
  tabBar()->setStyle(tabStyle);
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    const QString number = QString::number(slot + 1);
    auto* tab = new QWidget();
    tab->setObjectName(QStringLiteral("TabSheet") + number);
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    models_[slot] = new SoundListModel(document.Document(), slot, look, this);
    layout->addWidget(CreateList(slot));
    addTab(tab, tr("Btn%1").arg(number));
  }
  // All eight tabs stay in sight, whatever the font: measured while all of
  // them are shown.
  setMinimumWidth(tabBar()->sizeHint().width() +
                  2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
  CreateKeyboardMoves();
  connect(&document_, &DocumentSignals::ListsChanged, this, &SoundLists::Reload);
  connect(&document_, &DocumentSignals::Ticked, this, &SoundLists::ShowNewLook);
  ShowButtons();
}

QTreeView* SoundLists::CreateList(int slot) {
  auto* list = new QTreeView();
  list->setObjectName(QStringLiteral("ListView%1").arg(slot + 1));
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setAllColumnsShowFocus(true);
  list->setToolTip(tr("Listing of the songs to be downloaded"));
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Rows move within their own list only; files from the file manager go
  // past the list to the page.
  list->setDragDropMode(QAbstractItemView::InternalMove);
  list->setDefaultDropAction(Qt::MoveAction);
  list->setDropIndicatorShown(true);
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list, &QWidget::customContextMenuRequested, this,
          [this, list](QPoint position) { emit MenuAsked(list, position); });
  connect(list, &QAbstractItemView::doubleClicked, this, [this, slot, list] {
    // The row double-clicked is the current one; of several highlighted
    // rows it is the one to play.
    const QModelIndex row = list->currentIndex();
    if (row.isValid() && list->selectionModel()->isRowSelected(row.row())) {
      emit RowDoubleClicked(slot, row.row());
    }
  });
  connect(models_[slot], &SoundListModel::MoveAsked, this,
          [this, slot](QList<int> rows, int before) { MoveRows(slot, rows, before); });
  list->setModel(models_[slot]);
  // What is highlighted is kept by name, to be highlighted again once the
  // rows are others.
  connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this, slot] { KeepHighlight(slot); });
  connect(list->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this, slot] { KeepHighlight(slot); });
  FitSizeColumn(list->header(), SoundListModel::SoundColumn, SoundListModel::SizeColumn);
  FitLengthColumn(list->header(), SoundListModel::LengthColumn);
  views_[slot] = list;
  return list;
}

void SoundLists::CreateKeyboardMoves() {
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
  AddListAction(up);
  AddListAction(down);
}

void SoundLists::AddListAction(QAction* action) {
  for (QTreeView* list : views_) list->addAction(action);
}

int SoundLists::ShownSlot() const {
  const int slot = currentIndex();
  return slot >= 0 && isTabVisible(slot) ? slot : -1;
}

std::optional<PlayingRow> SoundLists::HighlightedRow() const {
  const int slot = ShownSlot();
  if (slot < 0) return std::nullopt;
  const QTreeView* list = views_[slot];
  const QModelIndex row = list->currentIndex();
  if (!row.isValid() || !list->selectionModel()->isRowSelected(row.row())) return std::nullopt;
  return PlayingRow{slot, row.row()};
}

QList<int> SoundLists::SelectedRows() const {
  QList<int> rows;
  const int slot = ShownSlot();
  if (slot < 0) return rows;
  for (const QModelIndex& row : views_[slot]->selectionModel()->selectedRows()) rows << row.row();
  return rows;
}

int SoundLists::SlotOf(const QTreeView* list) const {
  return static_cast<int>(std::find(views_.begin(), views_.end(), list) - views_.begin());
}

void SoundLists::ShowNewLook() {
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    if (isTabVisible(slot)) models_[slot]->ShowNewLook();
  }
}

void SoundLists::ShowButtons() {
  // Qt moves the current tab on by itself when it hides it; the sounds must
  // not then go to a neighbour of the hidden tab.
  const int active = currentIndex();
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    setTabVisible(slot, document_.Document().Lists().Buttons[slot].Present);
  }
  if (!isTabVisible(active)) setCurrentIndex(0);
}

void SoundLists::Reload() {
  ShowButtons();
  const std::array<Shown, ButtonSlotCount> shown = shown_;
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    const Shown& before = shown[slot];
    models_[slot]->Reload();
    const std::vector<SoundEntry>& sounds = document_.Document().Lists().Buttons[slot].Sounds;
    const auto rowOf = [&sounds, &before](int row) {
      if (row < 0 || row >= static_cast<int>(before.Names.size())) return -1;
      const std::string& name = before.Names[static_cast<std::size_t>(row)];
      const auto at = std::find_if(sounds.begin(), sounds.end(),
                                   [&name](const SoundEntry& sound) { return sound.FileName == name; });
      return at == sounds.end() ? -1 : static_cast<int>(at - sounds.begin());
    };
    QList<int> highlighted;
    for (const int row : before.Highlighted) {
      if (const int now = rowOf(row); now >= 0) highlighted << now;
    }
    int current = rowOf(before.Current);
    if (current < 0 && before.Current >= 0 && !sounds.empty()) {
      current = std::min(before.Current, static_cast<int>(sounds.size()) - 1);
    }
    Highlight(slot, highlighted, current);
    KeepHighlight(slot);
  }
}

void SoundLists::KeepHighlight(int slot) {
  Shown& shown = shown_[slot];
  shown.Names.clear();
  for (const SoundEntry& sound : document_.Document().Lists().Buttons[slot].Sounds) {
    shown.Names.push_back(sound.FileName);
  }
  shown.Highlighted.clear();
  for (const QModelIndex& row : views_[slot]->selectionModel()->selectedRows()) {
    shown.Highlighted << row.row();
  }
  shown.Current = views_[slot]->currentIndex().row();
}

void SoundLists::ShowNeighbourTab(int step) {
  const int tabs = count();
  int tab = currentIndex();
  for (int tried = 0; tried < tabs; ++tried) {
    tab = (tab + step + tabs) % tabs;
    if (isTabVisible(tab)) {
      setCurrentIndex(tab);
      return;
    }
  }
}

void SoundLists::MoveHighlightedSound(int step) {
  const int slot = ShownSlot();
  if (slot < 0) return;
  const int row = views_[slot]->currentIndex().row();
  const int target = row + step;
  if (row < 0 || target < 0 || target >= models_[slot]->rowCount()) return;
  MoveRows(slot, {row}, step > 0 ? target + 1 : target);
}

void SoundLists::MoveRows(int slot, QList<int> rows, int before) {
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  // The rows that stay keep their order; the moved ones go, in theirs,
  // before the row that was `before`.
  const std::vector<SoundEntry>& sounds = document_.Document().Lists().Buttons[slot].Sounds;
  std::vector<SoundEntry> staying, moving;
  int stayingBefore = 0;
  for (int row = 0; row < static_cast<int>(sounds.size()); ++row) {
    const bool moves = rows.contains(row);
    (moves ? moving : staying).push_back(sounds[static_cast<std::size_t>(row)]);
    if (!moves && row < before) ++stayingBefore;
  }
  staying.insert(staying.begin() + stayingBefore, moving.begin(), moving.end());
  const bool wasChanged = document_.Document().Changed();
  document_.Document().Edit(rows.size() == 1 ? "Move Sound" : "Move Sounds",
                            [&](SongProfile& lists) { lists.Buttons[slot].Sounds = staying; });
  // A row dropped where it stood is still an edit of the lists.
  if (!wasChanged) document_.Document().MarkUnsaved();
  QList<int> moved;
  for (int at = 0; at < static_cast<int>(moving.size()); ++at) moved << stayingBefore + at;
  // The highlight goes with the sounds, so that a key can move them again.
  Highlight(slot, moved, moved.isEmpty() ? -1 : moved.front());
}

void SoundLists::Highlight(int slot, const QList<int>& rows, int current) {
  QTreeView* list = views_[slot];
  SoundListModel* model = models_[slot];
  if (current >= 0) {
    list->selectionModel()->setCurrentIndex(model->index(current, 0),
                                            QItemSelectionModel::NoUpdate);
  }
  QItemSelection selection;
  for (const int row : rows) {
    selection.select(model->index(row, 0), model->index(row, SoundListModel::ColumnCount - 1));
  }
  list->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}
