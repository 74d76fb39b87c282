#pragma once

#include <optional>
#include <string>
#include <vector>

#include "profiles/SoundDialogs.h"
#include "profiles/SoundEntry.h"
#include "profiles/UserPrompts.h"

// "The file : PATH does not exist or has been moved."
std::string MissingFileText(const std::string& path);
// "File Does Not Exist": Yes searches ("Find It…"), No drops the sound
// ("Remove From List"), Cancel ends what asked, under its own caption.
Answer<PromptAnswer> AskAboutMissingFile(UserPrompts& prompts, const std::string& path,
                                         PromptIcon icon, const std::string& cancelCaption);
// The "Find MP3 File" dialog, proposing the missing file's name; nothing when
// it was cancelled.
Task<std::optional<SoundEntry>> FindMovedSound(UserPrompts& prompts, SoundDialogs& dialogs,
                                               std::string missingPath);

// Once the user has found one missing sound, the others are looked for in
// the same folder without asking: a profile brought over from another
// computer is usable after its first sound was found.
class MissingSoundFinder {
 public:
  // A sound that the user found with the "Find MP3 File" dialog.
  void FoundByUser(const SoundEntry& sound);
  // A file of this name in a folder where the user found a sound, the most
  // recent folder first; its extension may differ in letter case.
  std::optional<SoundEntry> FindInFoundFolders(const std::string& fileName);

  // How many sounds were found in the folder of the last one, and that folder.
  int FoundInLastFolder() const { return foundInLastFolder_; }
  const std::string& LastFolder() const { return lastFolder_; }

 private:
  std::vector<std::string> folders_;
  std::string lastFolder_;
  int foundInLastFolder_ = 0;
};
