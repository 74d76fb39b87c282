#pragma once

#include <QObject>
#include <QStringList>

#include "profiles/ProfileDocument.h"
#include "profiles/Task.h"
#include "widgets/AppPorts.h"

class InfoLine;
class ProfileStore;
class QAction;
class QDropEvent;
class QMenu;
class QMenuBar;
class QTreeView;
class SoundDecodeChecks;
class SoundLists;
class UnitStatusHolder;

// The commands that change the lists' sounds and buttons: the menus "Add
// Sounds", "Remove Sounds" and "Buttons" (before Make It Fit…), Delete on a
// list, the lists' own menu, and files dropped from the file manager. Each
// command is one edit of the open profile.
class SoundListCommands : public QObject {
  Q_OBJECT

 public:
  SoundListCommands(AppPorts& ports, ProfileStore& store, SoundLists& lists, InfoLine& info,
                    const UnitStatusHolder& unit, SoundDecodeChecks& soundChecks,
                    QObject* parent);

  // The menus, before the menu bar's entry `before`.
  void AddMenus(QMenuBar* bar, QAction* before);
  // The menu of the lists' rows, which other parts add to.
  QMenu* ListMenu() const { return listMenu_; }
  QMenu* ButtonsMenu() const { return buttonsMenu_; }

  // Adds files to the shown list, as one edit; false when a file that opens
  // is not added.
  bool AddSoundFile(const QString& path);
  Task<> AddSounds();
  // The ticked rows of every shown button, or else the highlighted rows of
  // the list on screen.
  void RemoveCheckedSounds();
  // The Delete key: the ticked, or else the highlighted, rows of the list on
  // screen and of no other.
  void RemoveSoundsOfShownList();
  Task<> RemoveAllSounds();
  void AddButton();
  void RemoveButton();
  // Files dragged from the file manager onto the tabs of the page.
  void AddDroppedFiles(const QDropEvent& drop, QWidget* page);

 signals:
  // The lists' menu is about to open over a row (-1: none): entries that
  // apply to some rows only show or hide.
  void ListMenuOpening(int slot, int row);

 private:
  // The files of one command that did not join the list, by why.
  struct Refusals {
    int Slot = 0;
    QStringList NotSounds;
    QStringList AlreadyListed;
    int BeyondTheLimit = 0;

    bool None() const {
      return NotSounds.isEmpty() && AlreadyListed.isEmpty() && BeyondTheLimit == 0;
    }
  };
  Refusals AddFiles(const QStringList& paths);
  void Remove(bool ofShownListOnly);
  void ShowListMenu(QTreeView* list, QPoint position);
  // One message naming every file refused, and why.
  void ShowRefusals(const Refusals& refusals);
  void WarnIfLargerThanUnit(const SoundEntry& sound);
  void PlayWithDefaultProgram(int slot, int row);

  AppPorts& ports_;
  ProfileStore& store_;
  ProfileDocument& document_;
  SoundLists& lists_;
  InfoLine& info_;
  const UnitStatusHolder& unit_;
  SoundDecodeChecks& soundChecks_;
  QMenu* listMenu_;
  QMenu* buttonsMenu_ = nullptr;
};
