#include "profiles/SoundAdding.h"

#include <algorithm>
#include <fstream>

#include "profiles/SoundFormat.h"
#include "profiles/SoundLookup.h"

SoundAddition SoundToAdd(const ButtonSlot& list, const std::string& path) {
  if (!std::ifstream(path, std::ios::binary)) return {std::nullopt, AddRefusal::Unreadable};
  std::optional<SoundEntry> sound = ChosenSound(path);
  if (!sound) return {std::nullopt, AddRefusal::Unreadable};
  if (!DecodeSound(path)) return {std::nullopt, AddRefusal::NotASound};
  const bool listed =
      std::any_of(list.Sounds.begin(), list.Sounds.end(),
                  [&](const SoundEntry& entry) { return entry.FileName == sound->FileName; });
  if (listed) return {std::nullopt, AddRefusal::AlreadyListed};
  if (list.Sounds.size() >= static_cast<std::size_t>(MaxSoundsPerButton)) {
    return {std::nullopt, AddRefusal::ListFull};
  }
  return {std::move(sound), AddRefusal::None};
}
