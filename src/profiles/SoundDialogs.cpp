#include "profiles/SoundDialogs.h"

#include "profiles/SoundLookup.h"

std::vector<std::string> SoundDialogs::Choose(UserPrompts& prompts, const std::string& title,
                                              const std::string& proposedFile, bool multipleFiles) {
  const std::vector<std::string> chosen =
      prompts.ChooseFiles({title,
                           folder_,
                           proposedFile,
                           {{"Sound files (*.mp3 *.wav)", "*.MP3;*.WAV"},
                            {"MP3 files (*.mp3)", "*.MP3"},
                            {" Wav files (*.wav)", "*.WAV"}},
                           multipleFiles});
  if (chosen.empty()) return chosen;
  folder_ = FolderPart(chosen.front());
  if (follower_) follower_(folder_);
  return chosen;
}
