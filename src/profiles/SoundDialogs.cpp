#include "profiles/SoundDialogs.h"

#include "profiles/SoundLookup.h"
#include "translation/Translated.h"

Task<std::vector<std::string>> SoundDialogs::Choose(UserPrompts& prompts, std::string title,
                                                    std::string proposedFile, bool multipleFiles) {
  FileDialog dialog{std::move(title),
                    folder_,
                    std::move(proposedFile),
                    {{Translated("Profiles", "Sound files (*.mp3 *.wav)"), "*.MP3;*.WAV"},
                     {Translated("Profiles", "MP3 files (*.mp3)"), "*.MP3"},
                     {Translated("Profiles", " Wav files (*.wav)"), "*.WAV"}},
                    multipleFiles};
  std::vector<std::string> chosen = co_await Chosen(prompts, std::move(dialog));
  if (!chosen.empty()) {
    folder_ = FolderPart(chosen.front());
    if (follower_) follower_(folder_);
  }
  co_return chosen;
}
