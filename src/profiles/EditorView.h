#pragma once

#include <string>

// The colour of a status text; Kept leaves the colour the label had.
enum class InfoColour { Kept, Ordinary, Failure };

// What the profile commands show on the editor page beside the open
// profile, which shows itself: the status line and the profile selector.
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
};
