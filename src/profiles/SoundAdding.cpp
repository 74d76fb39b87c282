#include "profiles/SoundAdding.h"

#include <algorithm>
#include <fstream>

#include "profiles/SoundLookup.h"

std::optional<SoundEntry> SoundToAdd(const ButtonSlot& list, const std::string& path) {
  if (list.Sounds.size() >= static_cast<std::size_t>(MaxSoundsPerButton)) return std::nullopt;
  if (!std::ifstream(path, std::ios::binary)) return std::nullopt;
  std::optional<SoundEntry> sound = ChosenSound(path);
  if (!sound) return std::nullopt;
  const bool listed =
      std::any_of(list.Sounds.begin(), list.Sounds.end(),
                  [&](const SoundEntry& entry) { return entry.FileName == sound->FileName; });
  if (listed) return std::nullopt;
  return sound;
}
