#pragma once

#include <optional>
#include <string>

#include "profiles/SoundDialogs.h"
#include "profiles/SoundEntry.h"
#include "profiles/UserPrompts.h"

// "File Does Not Exist": Yes searches, No drops the sound, Cancel quits.
PromptAnswer AskAboutMissingFile(UserPrompts& prompts, const std::string& path, PromptIcon icon);
// The "Find MP3 File" dialog, proposing the missing file's name; nothing when
// it was cancelled.
std::optional<SoundEntry> FindMovedSound(UserPrompts& prompts, SoundDialogs& dialogs,
                                         const std::string& missingPath);
