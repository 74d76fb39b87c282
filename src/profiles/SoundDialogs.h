#pragma once

#include <functional>
#include <string>
#include <vector>

#include "profiles/UserPrompts.h"

// The file dialogs that choose sound files ("Select MP3 File(s)", "Find MP3
// File"): MP3 and WAV files together first, then each kind alone. They open
// in the folder where a sound was last chosen.
class SoundDialogs {
 public:
  // Where the first dialog opens (ending in "/").
  void OpenFirstIn(std::string folder) { folder_ = std::move(folder); }
  const std::string& Folder() const { return folder_; }
  // Told each folder a sound is chosen in, to be kept for the next run.
  void FollowFolder(std::function<void(const std::string&)> follower) {
    follower_ = std::move(follower);
  }

  // The chosen files' full paths; empty when cancelled.
  Task<std::vector<std::string>> Choose(UserPrompts& prompts, std::string title,
                                        std::string proposedFile, bool multipleFiles);

 private:
  std::string folder_;
  std::function<void(const std::string&)> follower_;
};
