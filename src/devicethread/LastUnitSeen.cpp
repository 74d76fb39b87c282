#include "devicethread/LastUnitSeen.h"

#include <algorithm>

LastUnitSeen::LastUnitSeen(const UnitStatusHolder& holder, std::optional<UnitStatus> remembered,
                           QObject* parent)
    : QObject(parent), holder_(holder), unit_(std::move(remembered)) {
  connect(&holder_, &UnitStatusHolder::Stored, this, &LastUnitSeen::Follow);
}

const UnitStatus& LastUnitSeen::Measuring() const {
  if (holder_.Status().UnitPresent || !unit_) return holder_.Status();
  return *unit_;
}

void LastUnitSeen::Follow() {
  const UnitStatus& seen = holder_.Status();
  if (!seen.UnitPresent) return;
  // Asked at every probe: only another unit is taken.
  if (unit_ && !DiffersForFitting(*unit_, seen)) return;
  unit_ = seen;
  unit_->UnitPresent = false;
  emit Changed();
}

bool DiffersForFitting(const UnitStatus& one, const UnitStatus& other) {
  if (one.MemoryCount != other.MemoryCount || one.ButtonCount != other.ButtonCount ||
      one.FirmwareVersion != other.FirmwareVersion) {
    return true;
  }
  // The slots are compared as they are, not as text.
  const auto sameSlot = [](const MemorySlot& a, const MemorySlot& b) {
    return a.Capacity == b.Capacity && a.DeviceCode == b.DeviceCode &&
           a.WriteCommand == b.WriteCommand && a.WriteWidth == b.WriteWidth;
  };
  return !std::equal(one.Slots.begin(), one.Slots.end(), other.Slots.begin(), sameSlot);
}
