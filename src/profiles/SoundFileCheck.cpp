// The check of every sound file before the profile is programmed.
#include "profiles/FileAccess.h"
#include "profiles/MissingSound.h"
#include "profiles/ProfileStore.h"

SoundFileCheck ProfileStore::CheckSoundFiles() {
  SoundFileCheck check;
  MissingSoundFinder finder;
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    if (!profile_.Buttons[slot].Present) continue;
    const std::vector<SoundEntry>& sounds = profile_.Buttons[slot].Sounds;
    for (std::size_t row = 0; row < sounds.size();) {
      const std::string path = sounds[row].FullPath();
      if (IsRegularFile(path)) {
        ++row;
        continue;
      }
      if (const std::optional<SoundEntry> found = finder.FindInFoundFolders(sounds[row].FileName)) {
        ReplaceSound(slot, row, *found);
        ++check.Replaced;
        ++row;
        continue;
      }
      switch (AskAboutMissingFile(prompts_, path, PromptIcon::None, "Cancel")) {
        case PromptAnswer::Yes: {
          const std::optional<SoundEntry> moved = FindMovedSound(prompts_, soundDialogs_, path);
          if (!moved) return {true, check.Replaced, check.Removed};
          finder.FoundByUser(*moved);
          ReplaceSound(slot, row, *moved);
          ++check.Replaced;
          ++row;
          break;
        }
        case PromptAnswer::No:
          RemoveSound(slot, row);
          ++check.Removed;
          break;
        default:
          return {true, check.Replaced, check.Removed};
      }
    }
  }
  ShowFoundInFolder(finder);
  return check;
}
