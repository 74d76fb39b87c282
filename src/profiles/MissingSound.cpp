#include "profiles/MissingSound.h"

#include "profiles/SoundLookup.h"

PromptAnswer AskAboutMissingFile(UserPrompts& prompts, const std::string& path, PromptIcon icon) {
  return prompts.Ask(
      {"The file : " + path + " does not exist or has been moved. " +
           "Press YES to search for the file, NO to delete the file or CANCEL to quit.",
       "File Does Not Exist", PromptButtons::YesNoCancel, icon});
}

std::optional<SoundEntry> FindMovedSound(UserPrompts& prompts, const std::string& proposedFile) {
  // A WAV file can be found again as well as an MP3 file.
  const std::vector<std::string> chosen =
      prompts.ChooseFiles({"Find MP3 File",
                           "",
                           proposedFile,
                           {{"MP3 files (*.mp3)", "*.MP3"}, {" Wav files (*.wav)", "*.WAV"}},
                           false});
  if (chosen.empty()) return std::nullopt;
  return ChosenSound(chosen.front());
}
