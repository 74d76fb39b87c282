#include "editor/SoundListCommands.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTreeView>
#include <QUrl>

#include "devicethread/UnitStatusHolder.h"
#include "editor/InfoLine.h"
#include "editor/SoundLists.h"
#include "profiles/MissingSound.h"
#include "profiles/ProfileStore.h"
#include "profiles/SoundAdding.h"
#include "profiles/VisibleText.h"
#include "programmingrun/SoundDecodeChecks.h"
#include "widgets/MenuEntry.h"
#include "widgets/OpenDocument.h"

namespace {

bool IsSoundFileName(const QString& path) {
  const QString ending = path.right(4).toUpper();
  return ending == QLatin1String(".WAV") || ending == QLatin1String(".MP3");
}

}  // namespace

SoundListCommands::SoundListCommands(AppPorts& ports, ProfileStore& store, SoundLists& lists,
                                     InfoLine& info, const UnitStatusHolder& unit,
                                     SoundDecodeChecks& soundChecks, QObject* parent)
    : QObject(parent),
      ports_(ports),
      store_(store),
      document_(store.Document()),
      lists_(lists),
      info_(info),
      unit_(unit),
      soundChecks_(soundChecks),
      listMenu_(new QMenu(&lists)) {
  listMenu_->setObjectName(QStringLiteral("PopupMenu1"));
  AddMenuEntry(listMenu_, "AddSongs2", tr("&Add Songs"), this, &SoundListCommands::AddSounds);
  AddMenuEntry(listMenu_, "RemoveSongs2", tr("&Remove Songs"), this,
               &SoundListCommands::RemoveCheckedSounds);
  connect(&lists_, &SoundLists::MenuAsked, this, &SoundListCommands::ShowListMenu);
  connect(&lists_, &SoundLists::RowDoubleClicked, this,
          &SoundListCommands::PlayWithDefaultProgram);
  // Delete removes sounds of the list that has the focus.
  auto* deleteSounds = new QAction(this);
  deleteSounds->setObjectName(QStringLiteral("DeleteSounds"));
  deleteSounds->setShortcut(QKeySequence(Qt::Key_Delete));
  deleteSounds->setShortcutContext(Qt::WidgetShortcut);
  connect(deleteSounds, &QAction::triggered, this, &SoundListCommands::RemoveSoundsOfShownList);
  lists_.AddListAction(deleteSounds);
}

void SoundListCommands::AddMenus(QMenuBar* bar, QAction* before) {
  AddMenuEntry(bar, "AddSongs1", tr("&Add Sounds"), this, &SoundListCommands::AddSounds, before);
  QMenu* removeSounds = AddMenu(bar, "RemoveSounds1", tr("&Remove Sounds"), before);
  AddMenuEntry(removeSounds, "All1", tr("&All"), this, &SoundListCommands::RemoveAllSounds);
  AddMenuEntry(removeSounds, "Selected1", tr("&Selected"), this,
               &SoundListCommands::RemoveCheckedSounds);
  buttonsMenu_ = AddMenu(bar, "Buttons1", tr("&Buttons"), before);
  AddMenuEntry(buttonsMenu_, "AddButton1", tr("&Add Button"), this, &SoundListCommands::AddButton);
  AddMenuEntry(buttonsMenu_, "RemoveButton1", tr("&Remove Button"), this,
               &SoundListCommands::RemoveButton);
}

bool SoundListCommands::AddSoundFile(const QString& path) {
  return AddFiles({path}).None();
}

SoundListCommands::Refusals SoundListCommands::AddFiles(const QStringList& paths) {
  Refusals refused;
  const int slot = lists_.ShownSlot();
  if (slot < 0) return refused;
  refused.Slot = slot;
  document_.Edit(paths.size() == 1 ? "Add Sound" : "Add Sounds", [&](SongProfile& lists) {
    for (const QString& path : paths) {
      // A file named like no sound is no sound, whatever it holds.
      if (!IsSoundFileName(path)) {
        refused.NotSounds << QFileInfo(path).fileName();
        continue;
      }
      SoundAddition addition = SoundToAdd(lists.Buttons[slot], path.toStdString());
      switch (addition.Refused) {
        case AddRefusal::NotASound:
          refused.NotSounds << QFileInfo(path).fileName();
          break;
        case AddRefusal::AlreadyListed:
          refused.AlreadyListed << QFileInfo(path).fileName();
          break;
        case AddRefusal::ListFull:
          ++refused.BeyondTheLimit;
          break;
        case AddRefusal::Unreadable:
        case AddRefusal::None:
          break;
      }
      if (!addition.Sound) continue;
      WarnIfLargerThanUnit(*addition.Sound);
      soundChecks_.Remember(*addition.Sound, true);
      lists.Buttons[slot].Sounds.push_back(std::move(*addition.Sound));
    }
  });
  return refused;
}

void SoundListCommands::WarnIfLargerThanUnit(const SoundEntry& sound) {
  // Added all the same: the profile may be meant for a larger unit.
  const UnitStatus& unit = unit_.Status();
  if (unit.UnitPresent && sound.Need() > unit.TotalCapacity()) {
    info_.Show(tr("%1 is larger than the unit's memory")
                   .arg(QString::fromStdString(sound.FileName))
                   .toStdString(),
               InfoColour::Failure);
  }
}

void SoundListCommands::ShowRefusals(const Refusals& refusals) {
  if (refusals.None()) return;
  QStringList lines;
  if (!refusals.NotSounds.isEmpty()) {
    lines << tr("These files are not MP3 or WAV sounds: %1")
                 .arg(QString::fromStdString(
                     VisibleText(refusals.NotSounds.join(", ").toStdString())));
  }
  if (!refusals.AlreadyListed.isEmpty()) {
    const QString names =
        QString::fromStdString(VisibleText(refusals.AlreadyListed.join(", ").toStdString()));
    lines << (refusals.AlreadyListed.size() == 1 ? tr("%1 is already on Btn%2: not added.")
                                                 : tr("%1 are already on Btn%2: not added."))
                 .arg(names)
                 .arg(refusals.Slot + 1);
  }
  if (refusals.BeyondTheLimit == 1) {
    lines << tr("1 sound was not added: a button holds at most %1 sounds.").arg(MaxSoundsPerButton);
  } else if (refusals.BeyondTheLimit > 1) {
    lines << tr("%1 sounds were not added: a button holds at most %2 sounds.")
                 .arg(refusals.BeyondTheLimit)
                 .arg(MaxSoundsPerButton);
  }
  ports_.Prompts.Ask(
      {lines.join(QLatin1Char('\n')).toStdString(), "", PromptButtons::Ok, PromptIcon::Exclamation},
      [](PromptAnswer) {});
}

Task<> SoundListCommands::AddSounds() {
  info_.Show("", InfoColour::Kept);
  const std::vector<std::string> chosen = co_await store_.SoundFileDialogs().Choose(
      ports_.Prompts, tr("Select MP3 File(s)").toStdString(), "", true);
  QStringList paths;
  for (const std::string& path : chosen) paths << QString::fromStdString(path);
  ShowRefusals(AddFiles(paths));
}

void SoundListCommands::RemoveCheckedSounds() {
  Remove(false);
}

void SoundListCommands::RemoveSoundsOfShownList() {
  Remove(true);
}

void SoundListCommands::Remove(bool ofShownListOnly) {
  const int shown = lists_.ShownSlot();
  const QList<int> highlighted = lists_.SelectedRows();
  int removed = 0;
  document_.Edit("Remove Sounds", [&](SongProfile& lists) {
    for (int slot = 0; slot < ButtonSlotCount; ++slot) {
      if (!lists.Buttons[slot].Present || (ofShownListOnly && slot != shown)) continue;
      removed += static_cast<int>(std::erase_if(
          lists.Buttons[slot].Sounds, [](const SoundEntry& sound) { return sound.Checked; }));
    }
    if (removed > 0 || shown < 0) return;
    // Nothing ticked: the highlighted rows of the list on screen.
    std::vector<SoundEntry>& sounds = lists.Buttons[shown].Sounds;
    for (int row = static_cast<int>(sounds.size()) - 1; row >= 0; --row) {
      if (!highlighted.contains(row)) continue;
      sounds.erase(sounds.begin() + row);
      ++removed;
    }
  });
  if (removed == 0) {
    info_.Show(tr("Tick or select the sounds to remove").toStdString(), InfoColour::Ordinary);
  }
}

Task<> SoundListCommands::RemoveAllSounds() {
  const int count = document_.Lists().SoundCount();
  if (count == 0) co_return;
  Question sure{count == 1 ? tr("Remove 1 sound from every button?").toStdString()
                           : tr("Remove all %1 sounds from every button?").arg(count).toStdString(),
                "", PromptButtons::YesNo, PromptIcon::Question, PromptAnswer::No};
  const PromptAnswer answer = co_await Asked(ports_.Prompts, std::move(sure));
  if (answer != PromptAnswer::Yes) co_return;
  document_.Edit("Remove All Sounds", [](SongProfile& lists) { lists.ClearPresentLists(); });
  info_.Show(
      (count == 1 ? tr("1 sound removed") : tr("%1 sounds removed").arg(count)).toStdString(),
      InfoColour::Ordinary);
}

void SoundListCommands::AddButton() {
  int slot = -1;
  document_.Edit("Add Button",
                 [&](SongProfile& lists) { slot = lists.ShowNextButton(unit_.Status().ButtonCount); });
  if (slot >= 0) lists_.setCurrentIndex(slot);
}

void SoundListCommands::RemoveButton() {
  document_.Edit("Remove Button", [](SongProfile& lists) { lists.HideLastButton(); });
}

void SoundListCommands::AddDroppedFiles(const QDropEvent& drop, QWidget* page) {
  // Only files dropped on the tabs are taken; they go to the active tab,
  // whichever tab lies under the drop point.
  QWidget* target = page->childAt(drop.position().toPoint());
  const bool onTabs = target == &lists_ || lists_.isAncestorOf(target);
  if (!onTabs || !lists_.isEnabled()) return;
  QStringList paths;
  for (const QUrl& url : drop.mimeData()->urls()) {
    if (url.isLocalFile()) paths << url.toLocalFile();
  }
  const Refusals refused = AddFiles(paths);
  // Told once the drop is over: the file manager waits for its end.
  if (!refused.None()) {
    QMetaObject::invokeMethod(
        this, [this, refused] { ShowRefusals(refused); }, Qt::QueuedConnection);
  }
}

void SoundListCommands::ShowListMenu(QTreeView* list, QPoint position) {
  const QModelIndex row = list->indexAt(position);
  emit ListMenuOpening(lists_.SlotOf(list), row.isValid() ? row.row() : -1);
  listMenu_->popup(list->viewport()->mapToGlobal(position));
}

void SoundListCommands::PlayWithDefaultProgram(int slot, int row) {
  const SoundEntry& sound =
      document_.Lists().Buttons[slot].Sounds[static_cast<std::size_t>(row)];
  OpenWithDefaultProgram(ports_, QString::fromStdString(sound.FullPath()),
                         QString::fromStdString(MissingFileText(sound.FullPath())));
}
