// The check of every sound file before the profile is programmed.
#include "profiles/FileAccess.h"
#include "profiles/MissingSound.h"
#include "profiles/ProfileLoader.h"
#include "translation/Translated.h"

Task<SoundFileCheck> ProfileLoader::CheckSoundFiles() {
  SoundFileCheck check;
  MissingSoundFinder finder;
  // The sounds found or dropped reach the lists as one edit, also when the
  // user cancels after some of them.
  SongProfile lists = document_.Lists();
  for (int slot = 0; slot < ButtonSlotCount && !check.Cancelled; ++slot) {
    if (!lists.Buttons[slot].Present) continue;
    std::vector<SoundEntry>& sounds = lists.Buttons[slot].Sounds;
    for (std::size_t row = 0; row < sounds.size() && !check.Cancelled;) {
      const std::string path = sounds[row].FullPath();
      if (IsRegularFile(path)) {
        ++row;
        continue;
      }
      std::optional<SoundEntry> found = finder.FindInFoundFolders(sounds[row].FileName);
      if (!found) {
        const PromptAnswer answer = co_await AskAboutMissingFile(prompts_, path, PromptIcon::None,
                                                                 Translated("Profiles", "Cancel"));
        switch (answer) {
          case PromptAnswer::Yes:
            found = co_await FindMovedSound(prompts_, soundDialogs_, path);
            if (found) finder.FoundByUser(*found);
            check.Cancelled = !found;
            break;
          case PromptAnswer::No:
            sounds.erase(sounds.begin() + static_cast<std::ptrdiff_t>(row));
            ++check.Removed;
            continue;
          default:
            check.Cancelled = true;
            continue;
        }
      }
      if (!found) continue;
      SoundEntry& sound = sounds[row];
      sound.FileName = found->FileName;
      sound.SizeText = found->SizeText;
      sound.Directory = found->Directory;
      ++check.Replaced;
      ++row;
    }
  }
  document_.Edit(Translated("Profiles", "Find Missing Sounds"),
                 [&lists](SongProfile& open) { open.Buttons = lists.Buttons; });
  if (!check.Cancelled) ShowFoundInFolder(finder);
  co_return check;
}
