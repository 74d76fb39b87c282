#pragma once

#include <optional>
#include <string>

#include "profiles/SoundEntry.h"
#include "profiles/UserPrompts.h"

// "File Does Not Exist": Yes searches, No drops the sound, Cancel quits.
PromptAnswer AskAboutMissingFile(UserPrompts& prompts, const std::string& path, PromptIcon icon);
// The "Find MP3 File" dialog; nothing when it was cancelled.
std::optional<SoundEntry> FindMovedSound(UserPrompts& prompts, const std::string& proposedFile);
