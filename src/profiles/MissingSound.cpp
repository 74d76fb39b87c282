#include "profiles/MissingSound.h"

#include "profiles/SoundLookup.h"
#include "profiles/VisibleText.h"

PromptAnswer AskAboutMissingFile(UserPrompts& prompts, const std::string& path, PromptIcon icon) {
  return prompts.Ask(
      {"The file : " + VisibleText(path) + " does not exist or has been moved. " +
           "Press YES to search for the file, NO to delete the file or CANCEL to quit.",
       "File Does Not Exist", PromptButtons::YesNoCancel, icon});
}

std::optional<SoundEntry> FindMovedSound(UserPrompts& prompts, SoundDialogs& dialogs,
                                         const std::string& missingPath) {
  // The dialog opens where sounds were last chosen, not in the folder that
  // is gone; a WAV file can be found again as well as an MP3 file.
  const std::vector<std::string> chosen =
      dialogs.Choose(prompts, "Find MP3 File", StoredFileName(missingPath), false);
  if (chosen.empty()) return std::nullopt;
  return ChosenSound(chosen.front());
}

void MissingSoundFinder::FoundByUser(const SoundEntry& sound) {
  std::erase(folders_, sound.Directory);
  folders_.push_back(sound.Directory);
}

std::optional<SoundEntry> MissingSoundFinder::FindInFoundFolders(const std::string& fileName) {
  for (auto folder = folders_.rbegin(); folder != folders_.rend(); ++folder) {
    std::optional<SoundEntry> sound = FindSoundInFolder(*folder, fileName);
    if (!sound) continue;
    if (lastFolder_ != *folder) {
      lastFolder_ = *folder;
      foundInLastFolder_ = 0;
    }
    ++foundInLastFolder_;
    return sound;
  }
  return std::nullopt;
}
