#include "profiles/SoundAdding.h"

#include <algorithm>
#include <fstream>

#include "profiles/SoundFormat.h"
#include "profiles/SoundLookup.h"

SoundAddition SoundToAdd(const ButtonSlot& list, const std::string& path) {
  if (list.Sounds.size() >= static_cast<std::size_t>(MaxSoundsPerButton)) return {};
  if (!std::ifstream(path, std::ios::binary)) return {};
  std::optional<SoundEntry> sound = ChosenSound(path);
  if (!sound) return {};
  if (!DecodeSound(path)) return {std::nullopt, true};
  const bool listed =
      std::any_of(list.Sounds.begin(), list.Sounds.end(),
                  [&](const SoundEntry& entry) { return entry.FileName == sound->FileName; });
  if (listed) return {};
  return {std::move(sound), false};
}
