#pragma once

// What the editor keeps beside the open profile.
struct EditorState {
  bool Changed = false;        // the open profile has edits that are not in its file
  bool UnitConnected = false;  // a unit is present, as the editor's polling last saw
  // A unit is connected, or one was seen before: what fits is known.
  bool UnitKnown = false;
  int FittingSoundCount = 0;  // sounds that fit into the unit, counted from Btn1 onwards
};
