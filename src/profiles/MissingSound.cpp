#include "profiles/MissingSound.h"

#include "profiles/SoundLookup.h"

PromptAnswer AskAboutMissingFile(UserPrompts& prompts, const std::string& path, PromptIcon icon) {
  return prompts.Ask(
      {"The file : " + path + " does not exist or has been moved. " +
           "Press YES to search for the file, NO to delete the file or CANCEL to quit.",
       "File Does Not Exist", PromptButtons::YesNoCancel, icon});
}

std::optional<SoundEntry> FindMovedSound(UserPrompts& prompts, SoundDialogs& dialogs,
                                         const std::string& missingPath) {
  // The dialog opens where sounds were last chosen, not in the folder that
  // is gone; a WAV file can be found again as well as an MP3 file.
  const std::vector<std::string> chosen =
      dialogs.Choose(prompts, "Find MP3 File", NamePart(missingPath), false);
  if (chosen.empty()) return std::nullopt;
  return ChosenSound(chosen.front());
}
