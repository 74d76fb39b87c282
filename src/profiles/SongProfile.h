#pragma once

#include <array>
#include <string>
#include <vector>

#include "profiles/SoundEntry.h"

// The unit's push-buttons: "Btn1" to "Btn8".
constexpr int ButtonSlotCount = 8;
// The editor adds no sound to a list that holds this many, nor does loading.
constexpr int MaxSoundsPerButton = 254;
// The profile number of a file that has none.
constexpr int NoProfileId = 65535;
// The largest number given to a new profile; numbers run from 0.
constexpr int MaxProfileId = 65278;

// One push-button of the profile.
struct ButtonSlot {
  bool Present = false;            // the button belongs to the profile; its tab is shown
  std::vector<SoundEntry> Sounds;  // in list order: shown, stored and programmed so
};

// The open profile. Present buttons are always a leading run Btn1..BtnN, and
// absent slots hold no sounds.
struct SongProfile {
  // The profile whose content the lists hold, recorded whenever a profile is
  // loaded or created; unsaved edits belong there. Empty when the lists hold
  // no stored profile.
  std::string Name;
  std::array<ButtonSlot, ButtonSlotCount> Buttons;

  int PresentButtonCount() const;
  int SoundCount() const;
  // Empties the lists of the present slots; they stay present.
  void ClearPresentLists();
  // Hides a slot and empties its list; a slot number outside 0..7 only does nothing.
  void HideSlot(int slot);
  // Hides every present slot from the unit's button count upward.
  void TrimToUnit(int buttonCount);
  // Shows the lowest absent slot below the unit's button count; the slot
  // shown, or -1 when all of them are present.
  int ShowNextButton(int buttonCount);
  // Hides the highest present slot, never Btn1 or Btn2; the slot hidden, or -1.
  int HideLastButton();
};
