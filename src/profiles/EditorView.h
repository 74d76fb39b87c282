#pragma once

#include <string>

// The colour of a status text; Kept leaves the colour the label had.
enum class InfoColour { Kept, Ordinary, Failure };

// What the profile commands show on the editor page. The store changes the
// open profile and the profile list first and then reports the change, always
// before it asks the user anything, so that the page never draws stale rows.
class EditorView {
 public:
  virtual ~EditorView() = default;

  // The status line "Info", shown at once.
  virtual void ShowInfo(const std::string& text, InfoColour colour) = 0;

  // The profile selector: the whole list, one item added or
  // removed, or the selection moved (-1: no selection).
  virtual void ShowProfileList() = 0;
  virtual void ShowProfileAdded(int index) = 0;
  virtual void ShowProfileRemoved(int index) = 0;
  virtual void ShowSelectedProfile(int index) = 0;

  // Which buttons are present changed; the rows of one button changed.
  virtual void ShowButtons() = 0;
  virtual void ShowSounds(int slot) = 0;

  // The capacity display and the lists, after a command changed the profile.
  virtual void RefreshCapacity() = 0;

  // Whether the open profile has edits its file does not hold, each time the
  // store decides it (a save, a load, a question answered).
  virtual void ShowChanged(bool) {}
  // The lists are about to be replaced as a whole (loading, New, a profile
  // deleted): what came before is no edit of what follows.
  virtual void ShowListsReplaced() {}
};
