#include "soundediting/FewestChanges.h"

#include <algorithm>
#include <tuple>

#include "device/SoundPacking.h"

namespace {

// Where the packing stands: in which recognised memory, with how many bytes
// and sounds in it.
struct Place {
  std::size_t Memory = 0;
  std::int64_t Used = 0;
  std::size_t Songs = 0;

  bool operator<(const Place& other) const {
    return std::tie(Memory, Used, Songs) < std::tie(other.Memory, other.Used, other.Songs);
  }
};

// The place after one more sound, as PackSounds places it; nothing when it
// fits into none of the memories left.
std::optional<Place> PlaceAfter(Place at, std::int64_t size,
                                const std::vector<std::uint32_t>& capacities) {
  if (size < 0 || size > MaxSongSize) return std::nullopt;
  const std::int64_t cost = size + SoundOverheadBytes;
  for (; at.Memory < capacities.size(); at = {at.Memory + 1, 0, 0}) {
    if (at.Songs < MaxSongsPerMemory && std::int64_t{capacities[at.Memory]} - at.Used >= cost) {
      return Place{at.Memory, at.Used + cost, at.Songs + 1};
    }
  }
  return std::nullopt;
}

// The furthest-back place for each (changes, changes among the first sounds).
class Table {
 public:
  Table(std::size_t changes, std::size_t firstChanges)
      : columns_(firstChanges + 1), cells_((changes + 1) * columns_) {}
  std::size_t Cells() const { return cells_.size(); }
  std::size_t Cell(std::size_t changes, std::size_t firstChanges) const {
    return changes * columns_ + firstChanges;
  }
  std::size_t Changes(std::size_t cell) const { return cell / columns_; }
  std::size_t FirstChanges(std::size_t cell) const { return cell % columns_; }
  std::optional<Place>& operator[](std::size_t cell) { return cells_[cell]; }
  // Keeps the place where it is further back than the cell's; true then.
  bool Offer(std::size_t cell, const std::optional<Place>& place) {
    if (!place || (cells_[cell] && !(*place < *cells_[cell]))) return false;
    cells_[cell] = place;
    return true;
  }

 private:
  std::size_t columns_;
  std::vector<std::optional<Place>> cells_;
};

}  // namespace

std::optional<std::vector<bool>> FewestChanges(std::span<const SoundSizes> sounds,
                                               const UnitStatus& unit, std::size_t mostChanges,
                                               std::size_t keepFirst) {
  std::vector<std::uint32_t> capacities;
  for (const MemorySlot& memory : unit.Slots) {
    if (memory.DeviceCode != 0) capacities.push_back(memory.Capacity);
  }
  mostChanges = std::min(mostChanges, sounds.size());
  keepFirst = std::min(keepFirst, sounds.size());
  Table table(mostChanges, std::min(mostChanges, keepFirst));
  table[0] = Place{};
  // Per sound and cell: whether the cell's place was reached by changing it.
  std::vector<std::vector<bool>> changedInto(sounds.size(), std::vector<bool>(table.Cells()));
  for (std::size_t index = 0; index < sounds.size(); ++index) {
    Table next(mostChanges, std::min(mostChanges, keepFirst));
    const bool first = index < keepFirst;
    for (std::size_t cell = 0; cell < table.Cells(); ++cell) {
      if (!table[cell]) continue;
      if (next.Offer(cell, PlaceAfter(*table[cell], sounds[index].Now, capacities))) {
        changedInto[index][cell] = false;
      }
      const std::size_t changes = table.Changes(cell) + 1;
      const std::size_t firstChanges = table.FirstChanges(cell) + (first ? 1 : 0);
      if (!sounds[index].Changed || changes > mostChanges || firstChanges > keepFirst) continue;
      const std::size_t into = next.Cell(changes, firstChanges);
      if (next.Offer(into, PlaceAfter(*table[cell], *sounds[index].Changed, capacities))) {
        changedInto[index][into] = true;
      }
    }
    table = std::move(next);
  }
  std::optional<std::size_t> best;
  for (std::size_t cell = 0; cell < table.Cells() && !best; ++cell) {
    if (table[cell]) best = cell;
  }
  if (!best) return std::nullopt;
  std::vector<bool> changed(sounds.size());
  std::size_t cell = *best;
  for (std::size_t index = sounds.size(); index-- > 0;) {
    if (!changedInto[index][cell]) continue;
    changed[index] = true;
    cell = table.Cell(table.Changes(cell) - 1, table.FirstChanges(cell) - (index < keepFirst ? 1 : 0));
  }
  return changed;
}
