#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <array>
#include <functional>
#include <optional>

#include "profiles/SongProfile.h"

// The lists of the open profile as an edit found or left them: which buttons
// are present and their sounds.
using ListsSnapshot = std::array<ButtonSlot, ButtonSlotCount>;

// The undo history of the editor's lists. Each edit of the lists is one
// step, kept as the lists before and after it, so that every kind of edit
// (adding, dropping, removing, moving rows, buttons, missing sounds found)
// is taken back the same way. The history knows which step the profile file
// holds: undoing back to it leaves the profile unedited.
class EditHistory : public QObject {
  Q_OBJECT

 public:
  // `showLists` shows the profile's lists after a step put them back.
  EditHistory(SongProfile& profile, std::function<void()> showLists, QObject* parent);

  QUndoStack& Steps() { return steps_; }

  // Runs the edit and keeps it as one step when it changed the lists.
  void Record(const QString& what, const std::function<void()>& edit);
  // For an edit made in pieces elsewhere (a drop of rows): the lists before
  // it, then the step once it is over.
  void Begin();
  void End(const QString& what);

  // The lists were loaded or replaced: nothing before them can be undone.
  void StartAfresh();
  // The file holds the lists as they are now, or (Unsaved) no step of the
  // history at all.
  void MarkSaved();
  void MarkUnsaved();

 signals:
  // Whether the lists differ from the step the file holds, after an undo,
  // a redo or a new step.
  void EditedChanged(bool edited);

 private:
  class ListsStep;

  void Restore(const ListsSnapshot& lists);

  SongProfile& profile_;
  std::function<void()> showLists_;
  QUndoStack steps_;
  std::optional<ListsSnapshot> begun_;
};
