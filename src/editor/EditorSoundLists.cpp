// The profile editor's button tabs and sound lists: adding and removing
// sounds, adding and removing buttons, playing a sound and the files
// dropped from the file manager.
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QTabWidget>
#include <QTreeView>
#include <QUrl>

#include "widgets/OpenDocument.h"
#include "device/UnitStatus.h"
#include "editor/ProfileEditor.h"
#include "editor/SoundListModel.h"
#include "profiles/SoundAdding.h"
#include "profiles/UserPrompts.h"
#include "profiles/VisibleText.h"

namespace {

bool IsSoundFileName(const QString& path) {
  const QString ending = path.right(4).toUpper();
  return ending == QLatin1String(".WAV") || ending == QLatin1String(".MP3");
}

}  // namespace

bool ProfileEditor::AddSoundFile(const QString& path) {
  const int slot = buttonTabs_->currentIndex();
  bool isSound = true;
  if (slot >= 0 && buttonTabs_->isTabVisible(slot)) {
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
  ShowCaption();
  // What the last save reported no longer holds once the lists changed.
  const QString shown = infoLine_->text();
  if (shown == QLatin1String("Profile saved") || shown == QLatin1String("Profile created")) {
    ShowInfo("", InfoColour::Kept);
  }
}

void ProfileEditor::AddSounds() {
  ShowInfo("", InfoColour::Kept);
  QStringList refused;
  const std::vector<std::string> chosen =
      store_.SoundFileDialogs().Choose(ports_.Prompts, "Select MP3 File(s)", "", true);
  history_->Record(QStringLiteral("Add Sounds"), [&] {
    for (const std::string& path : chosen) {
      const QString file = QString::fromStdString(path);
      if (!AddSoundFile(file)) refused << QFileInfo(file).fileName();
    }
  });
  RefreshCapacity();
  ShowRefusedFiles(refused);
}

void ProfileEditor::RemoveCheckedSounds() {
  int removed = 0;
  history_->Record(QStringLiteral("Remove Sounds"), [&] {
    for (int slot = 0; slot < ButtonSlotCount; ++slot) {
      if (buttonTabs_->isTabVisible(slot)) removed += soundLists_[slot]->RemoveCheckedSounds();
    }
    if (removed == 0) removed = RemoveHighlightedSounds();
  });
  EndRemoval(removed);
}

void ProfileEditor::RemoveSoundsOfShownList() {
  const int slot = buttonTabs_->currentIndex();
  int removed = 0;
  history_->Record(QStringLiteral("Remove Sounds"), [&] {
    removed = slot >= 0 ? soundLists_[slot]->RemoveCheckedSounds() : 0;
    if (removed == 0) removed = RemoveHighlightedSounds();
  });
  EndRemoval(removed);
}

int ProfileEditor::RemoveHighlightedSounds() {
  const int slot = buttonTabs_->currentIndex();
  if (slot < 0 || !buttonTabs_->isTabVisible(slot)) return 0;
  QList<int> rows;
  for (const QModelIndex& row : soundListViews_[slot]->selectionModel()->selectedRows()) {
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

void ProfileEditor::RemoveAllSounds() {
  const int count = store_.Profile().SoundCount();
  if (count == 0) return;
  const std::string sounds = count == 1 ? "1 sound" : std::to_string(count) + " sounds";
  const std::string question = count == 1 ? "Remove 1 sound from every button?"
                                          : "Remove all " + sounds + " from every button?";
  if (ports_.Prompts.Ask({question, "", PromptButtons::YesNo, PromptIcon::Question,
                          PromptAnswer::No}) != PromptAnswer::Yes) {
    return;
  }
  history_->Record(QStringLiteral("Remove All Sounds"), [this] {
    store_.Profile().ClearPresentLists();
    for (SoundListModel* list : soundLists_) list->Reload();
  });
  MarkEdited();
  RefreshCapacity();
  ShowInfo(sounds + " removed", InfoColour::Ordinary);
}

void ProfileEditor::AddButton() {
  int slot = -1;
  history_->Record(QStringLiteral("Add Button"),
                   [&] { slot = store_.Profile().ShowNextButton(Unit().ButtonCount); });
  if (slot < 0) return;
  ShowButtons();
  buttonTabs_->setCurrentIndex(slot);
  MarkEdited();
  RefreshCapacity();
}

void ProfileEditor::RemoveButton() {
  int slot = -1;
  history_->Record(QStringLiteral("Remove Button"),
                   [&] { slot = store_.Profile().HideLastButton(); });
  if (slot < 0) return;
  soundLists_[slot]->Reload();
  ShowButtons();
  MarkEdited();
  RefreshCapacity();
}

void ProfileEditor::PlaySound(QTreeView* list) {
  // The row double-clicked is the current one; of several highlighted rows
  // it is the one to play.
  const QModelIndex row = list->currentIndex();
  if (!row.isValid() || !list->selectionModel()->isRowSelected(row.row())) return;
  const int slot = static_cast<int>(
      std::find(soundListViews_.begin(), soundListViews_.end(), list) - soundListViews_.begin());
  const SoundEntry& sound =
      store_.Profile().Buttons[slot].Sounds[static_cast<std::size_t>(row.row())];
  OpenWithDefaultProgram(ports_, QString::fromStdString(sound.FullPath()),
                         QString::fromStdString("The file : " + VisibleText(sound.FullPath()) +
                                                " does not exist or has been moved."));
}

void ProfileEditor::AddDroppedFiles(const QDropEvent& drop) {
  // Only files dropped on the tabs are taken; they go to the active tab,
  // whichever tab lies under the drop point.
  QWidget* target = childAt(drop.position().toPoint());
  const bool onTabs = target == buttonTabs_ || buttonTabs_->isAncestorOf(target);
  if (!onTabs || !buttonTabs_->isEnabled()) return;
  QStringList refused;
  history_->Record(QStringLiteral("Add Sounds"), [&] {
    for (const QUrl& url : drop.mimeData()->urls()) {
      if (!url.isLocalFile()) continue;
      const QString path = url.toLocalFile();
      if (!IsSoundFileName(path) || !AddSoundFile(path)) refused << QFileInfo(path).fileName();
    }
  });
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
  AddDroppedFiles(*event);
}
