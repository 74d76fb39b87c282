// The profile editor's button tabs and sound lists: adding and removing
// sounds, adding and removing buttons, moving a row, playing a sound and the
// files dropped from the file manager.
#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTreeView>
#include <QUrl>

#include "app/OpenDocument.h"
#include "device/UnitStatus.h"
#include "editor/ProfileEditor.h"
#include "editor/SoundListModel.h"
#include "profiles/SoundAdding.h"
#include "profiles/UserPrompts.h"
#include "profiles/VisibleText.h"

namespace {

// A row dragged within its own list; it carries no data, the list's
// selected row is the one that moves.
const QString RowMimeType = QStringLiteral("application/x-vantora-sound-row");

bool IsSoundFileName(const QString& path) {
  const QString ending = path.right(4).toUpper();
  return ending == QLatin1String(".WAV") || ending == QLatin1String(".MP3");
}

}  // namespace

bool ProfileEditor::AddSoundFile(const QString& path) {
  const int slot = PageControl1->currentIndex();
  bool isSound = true;
  if (slot >= 0 && PageControl1->isTabVisible(slot)) {
    SoundAddition addition = SoundToAdd(store_.Profile().Buttons[slot], path.toStdString());
    isSound = !addition.NotASound;
    if (addition.Sound) {
      WarnIfLargerThanUnit(*addition.Sound);
      soundChecks_.Remember(*addition.Sound, true);
      soundLists_[slot]->AppendSound(std::move(*addition.Sound));
      MarkEdited();
    }
  }
  RefreshCapacity();
  return isSound;
}

void ProfileEditor::WarnIfLargerThanUnit(const SoundEntry& sound) {
  // Added all the same: the profile may be meant for a larger unit.
  if (Unit().UnitPresent && sound.Need() > Unit().TotalCapacity()) {
    ShowInfo(sound.FileName + " is larger than the unit's memory", InfoColour::Failure);
  }
}

void ProfileEditor::ShowRefusedFiles(const QStringList& names) {
  if (names.isEmpty()) return;
  ports_.Prompts.Ask(
      {"These files are not MP3 or WAV sounds: " + VisibleText(names.join(", ").toStdString()), "",
       PromptButtons::Ok, PromptIcon::Exclamation});
}

void ProfileEditor::MarkEdited() {
  store_.State().Changed = true;
  // What the last save reported no longer holds once the lists changed.
  const QString shown = Info->text();
  if (shown == QLatin1String("Profile saved") || shown == QLatin1String("Profile created")) {
    ShowInfo("", InfoColour::Kept);
  }
}

void ProfileEditor::AddSounds() {
  ShowInfo("", InfoColour::Kept);
  QStringList refused;
  for (const std::string& path :
       store_.SoundFileDialogs().Choose(ports_.Prompts, "Select MP3 File(s)", "", true)) {
    const QString file = QString::fromStdString(path);
    if (!AddSoundFile(file)) refused << QFileInfo(file).fileName();
  }
  RefreshCapacity();
  ShowRefusedFiles(refused);
}

void ProfileEditor::AddSongs1Click() {
  AddSounds();
}

void ProfileEditor::AddSongs2Click() {
  AddSounds();
}

void ProfileEditor::RemoveCheckedSounds() {
  int removed = 0;
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    if (PageControl1->isTabVisible(slot)) removed += soundLists_[slot]->RemoveCheckedSounds();
  }
  EndRemoval(removed > 0 ? removed : RemoveHighlightedSounds());
}

void ProfileEditor::RemoveSoundsOfShownList() {
  const int slot = PageControl1->currentIndex();
  const int removed = slot >= 0 ? soundLists_[slot]->RemoveCheckedSounds() : 0;
  EndRemoval(removed > 0 ? removed : RemoveHighlightedSounds());
}

int ProfileEditor::RemoveHighlightedSounds() {
  const int slot = PageControl1->currentIndex();
  if (slot < 0 || !PageControl1->isTabVisible(slot)) return 0;
  QList<int> rows;
  for (const QModelIndex& row : ListViews[slot]->selectionModel()->selectedRows()) {
    rows << row.row();
  }
  return soundLists_[slot]->RemoveRows(rows);
}

void ProfileEditor::EndRemoval(int removed) {
  if (removed > 0) {
    MarkEdited();
  } else {
    ShowInfo("Tick or select the sounds to remove", InfoColour::Ordinary);
  }
  RefreshCapacity();
}

void ProfileEditor::Selected1Click() {
  RemoveCheckedSounds();
}

void ProfileEditor::RemoveSongs2Click() {
  RemoveCheckedSounds();
}

void ProfileEditor::All1Click() {
  const int count = store_.Profile().SoundCount();
  if (count == 0) return;
  const std::string sounds = count == 1 ? "1 sound" : std::to_string(count) + " sounds";
  const std::string question = count == 1 ? "Remove 1 sound from every button?"
                                          : "Remove all " + sounds + " from every button?";
  if (ports_.Prompts.Ask({question, "", PromptButtons::YesNo, PromptIcon::Question,
                          PromptAnswer::No}) != PromptAnswer::Yes) {
    return;
  }
  store_.Profile().ClearPresentLists();
  for (SoundListModel* list : soundLists_) list->Reload();
  MarkEdited();
  RefreshCapacity();
  ShowInfo(sounds + " removed", InfoColour::Ordinary);
}

void ProfileEditor::AddButton1Click() {
  const int slot = store_.Profile().ShowNextButton(Unit().ButtonCount);
  if (slot < 0) return;
  ShowButtons();
  PageControl1->setCurrentIndex(slot);
  MarkEdited();
  RefreshCapacity();
}

void ProfileEditor::RemoveButton1Click() {
  const int slot = store_.Profile().HideLastButton();
  if (slot < 0) return;
  soundLists_[slot]->Reload();
  ShowButtons();
  MarkEdited();
  RefreshCapacity();
}

bool ProfileEditor::ListView1DragOver(QTreeView* list, QObject* source) {
  // Rows move only within their own list.
  return source == list;
}

void ProfileEditor::ListView1DragDrop(QTreeView* list, QPoint position) {
  // The row the drag began on, which the press made current.
  const QModelIndex dragged = list->currentIndex();
  if (!dragged.isValid()) return;
  const QModelIndex target = list->indexAt(position);
  auto* model = static_cast<SoundListModel*>(list->model());
  model->MoveSound(dragged.row(), target.isValid() ? target.row() : model->rowCount());
  MarkEdited();
  RefreshCapacity();
}

void ProfileEditor::ListView1DblClick(QTreeView* list) {
  // The row double-clicked is the current one; of several highlighted rows
  // it is the one to play.
  const QModelIndex row = list->currentIndex();
  if (!row.isValid() || !list->selectionModel()->isRowSelected(row.row())) return;
  const int slot =
      static_cast<int>(std::find(ListViews.begin(), ListViews.end(), list) - ListViews.begin());
  const SoundEntry& sound = store_.Profile().Buttons[slot].Sounds[static_cast<std::size_t>(row.row())];
  OpenWithDefaultProgram(ports_, QString::fromStdString(sound.FullPath()),
                         QString::fromStdString("The file : " + VisibleText(sound.FullPath()) +
                                                " does not exist or has been moved."));
}

void ProfileEditor::StartRowDrag(QTreeView* list) {
  if (!list->currentIndex().isValid()) return;
  auto* drag = new QDrag(list);
  auto* data = new QMimeData();
  data->setData(RowMimeType, {});
  drag->setMimeData(data);
  drag->exec(Qt::MoveAction);
}

void ProfileEditor::FormDropFiles(const QDropEvent& drop) {
  // Only files dropped on the tabs are taken; they go to the active tab,
  // whichever tab lies under the drop point.
  QWidget* target = client_->childAt(client_->mapFrom(this, drop.position().toPoint()));
  while (target != nullptr && target->parentWidget() != client_) target = target->parentWidget();
  if (target != PageControl1 || !target->isEnabled()) return;
  QStringList refused;
  for (const QUrl& url : drop.mimeData()->urls()) {
    if (!url.isLocalFile()) continue;
    const QString path = url.toLocalFile();
    if (!IsSoundFileName(path) || !AddSoundFile(path)) refused << QFileInfo(path).fileName();
  }
  // Told once the drop is over: the file manager waits for its end.
  if (!refused.isEmpty()) {
    QMetaObject::invokeMethod(
        this, [this, refused] { ShowRefusedFiles(refused); }, Qt::QueuedConnection);
  }
}

void ProfileEditor::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void ProfileEditor::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void ProfileEditor::dropEvent(QDropEvent* event) {
  if (!event->mimeData()->hasUrls()) return;
  event->acceptProposedAction();
  FormDropFiles(*event);
}

bool ProfileEditor::eventFilter(QObject* watched, QEvent* event) {
  const auto list = std::find_if(ListViews.begin(), ListViews.end(), [watched](QTreeView* view) {
    return view != nullptr && view->viewport() == watched;
  });
  if (list == ListViews.end()) return Page::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton) {
        pressedList_ = *list;
        pressPosition_ = mouse->position().toPoint();
      }
      return false;
    }
    case QEvent::MouseMove: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      const bool dragging = pressedList_ == *list && (mouse->buttons() & Qt::LeftButton) &&
                            (mouse->position().toPoint() - pressPosition_).manhattanLength() >=
                                QApplication::startDragDistance();
      if (!dragging) return false;
      pressedList_ = nullptr;
      StartRowDrag(*list);
      return true;
    }
    case QEvent::MouseButtonDblClick:
      ListView1DblClick(*list);
      return true;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      // Files from the file manager are the window's (FormDropFiles).
      if (!drag->mimeData()->hasFormat(RowMimeType)) return false;
      if (ListView1DragOver(*list, drag->source())) {
        drag->acceptProposedAction();
      } else {
        drag->ignore();
      }
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      if (!drop->mimeData()->hasFormat(RowMimeType)) return false;
      if (ListView1DragOver(*list, drop->source())) {
        ListView1DragDrop(*list, drop->position().toPoint());
        drop->acceptProposedAction();
      }
      return true;
    }
    default:
      return false;
  }
}
