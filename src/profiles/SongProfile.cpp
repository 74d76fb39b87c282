#include "profiles/SongProfile.h"

int SongProfile::PresentButtonCount() const {
  int count = 0;
  for (const ButtonSlot& slot : Buttons) count += slot.Present ? 1 : 0;
  return count;
}

int SongProfile::SoundCount() const {
  int count = 0;
  for (const ButtonSlot& slot : Buttons) {
    if (slot.Present) count += static_cast<int>(slot.Sounds.size());
  }
  return count;
}

void SongProfile::ClearPresentLists() {
  for (ButtonSlot& slot : Buttons) {
    if (slot.Present) slot.Sounds.clear();
  }
}

void SongProfile::HideSlot(int slot) {
  if (slot < 0 || slot >= ButtonSlotCount) return;
  Buttons[slot].Present = false;
  Buttons[slot].Sounds.clear();
}

int SongProfile::ShowNextButton(int buttonCount) {
  for (int slot = 0; slot < buttonCount && slot < ButtonSlotCount; ++slot) {
    if (!Buttons[slot].Present) {
      Buttons[slot].Present = true;
      return slot;
    }
  }
  return -1;
}

int SongProfile::HideLastButton() {
  // A profile keeps at least two buttons.
  constexpr int KeptButtons = 2;
  for (int slot = ButtonSlotCount - 1; slot >= KeptButtons; --slot) {
    if (Buttons[slot].Present) {
      HideSlot(slot);
      return slot;
    }
  }
  return -1;
}

void SongProfile::TrimToUnit(int buttonCount) {
  for (int slot = ButtonSlotCount - 1; slot >= buttonCount && slot >= 0; --slot) {
    if (Buttons[slot].Present) HideSlot(slot);
  }
}
