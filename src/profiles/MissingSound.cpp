#include "profiles/MissingSound.h"

#include "profiles/SoundLookup.h"
#include "profiles/VisibleText.h"
#include "translation/Translated.h"

std::string MissingFileText(const std::string& path) {
  return Filled(Translated("Profiles", "The file : %1 does not exist or has been moved."),
                {VisibleText(path)});
}

Answer<PromptAnswer> AskAboutMissingFile(UserPrompts& prompts, const std::string& path,
                                         PromptIcon icon, const std::string& cancelCaption) {
  return Asked(prompts, {MissingFileText(path),
                         Translated("Profiles", "File Does Not Exist"),
                         PromptButtons::YesNoCancel,
                         icon,
                         std::nullopt,
                         {Translated("Profiles", "Find It\u2026"),
                          Translated("Profiles", "Remove From List"), cancelCaption}});
}

Task<std::optional<SoundEntry>> FindMovedSound(UserPrompts& prompts, SoundDialogs& dialogs,
                                               std::string missingPath) {
  // The dialog opens where sounds were last chosen, not in the folder that
  // is gone; a WAV file can be found again as well as an MP3 file.
  const std::vector<std::string> chosen = co_await dialogs.Choose(
      prompts, Translated("Profiles", "Find MP3 File"), StoredFileName(missingPath), false);
  if (chosen.empty()) co_return std::nullopt;
  co_return ChosenSound(chosen.front());
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
