#pragma once

#include <string>
#include <vector>

#include "profiles/UserPrompts.h"

// The file dialogs that choose sound files ("Select MP3 File(s)", "Find MP3
// File"): MP3 and WAV files together first, then each kind alone. They open
// in the folder where a sound was last chosen in this run of the program.
class SoundDialogs {
 public:
  // Where the first dialog opens (ending in "/").
  void OpenFirstIn(std::string folder) { folder_ = std::move(folder); }
  const std::string& Folder() const { return folder_; }

  // The chosen files' full paths; empty when cancelled.
  std::vector<std::string> Choose(UserPrompts& prompts, const std::string& title,
                                  const std::string& proposedFile, bool multipleFiles);

 private:
  std::string folder_;
};
