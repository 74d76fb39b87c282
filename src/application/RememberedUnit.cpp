#include "application/RememberedUnit.h"

#include <QSettings>
#include <QStringList>
#include <algorithm>

namespace {

// Every slot, in slot order: the memories need not lie in the first ones.
const QString MemoriesKey = QStringLiteral("LastUnit/Memories");
const QString MemoryCountKey = QStringLiteral("LastUnit/MemoryCount");
const QString ButtonsKey = QStringLiteral("LastUnit/Buttons");
const QString SoftwareKey = QStringLiteral("LastUnit/Software");

// A memory slot as "capacity device-code write-command write-width".
QString SlotText(const MemorySlot& slot) {
  return QStringLiteral("%1 %2 %3 %4")
      .arg(slot.Capacity)
      .arg(slot.DeviceCode)
      .arg(slot.WriteCommand)
      .arg(slot.WriteWidth);
}

std::optional<MemorySlot> ReadSlot(const QString& text) {
  const QStringList fields = text.split(QLatin1Char(' '));
  if (fields.size() != 4) return std::nullopt;
  bool ok[4] = {};
  const uint capacity = fields[0].toUInt(&ok[0]);
  const uint device = fields[1].toUInt(&ok[1]);
  const uint command = fields[2].toUInt(&ok[2]);
  const uint width = fields[3].toUInt(&ok[3]);
  if (!(ok[0] && ok[1] && ok[2] && ok[3]) || device > 0xFF || command > 0xFF || width > 0xFF) {
    return std::nullopt;
  }
  MemorySlot slot;
  slot.Capacity = capacity;
  slot.DeviceCode = static_cast<std::uint8_t>(device);
  slot.WriteCommand = static_cast<std::uint8_t>(command);
  slot.WriteWidth = static_cast<std::uint8_t>(width);
  return slot;
}

}  // namespace

std::optional<UnitStatus> RecallLastUnit(const QSettings& settings) {
  const QStringList memories = settings.value(MemoriesKey).toStringList();
  bool buttonsRead = false;
  const int buttons = settings.value(ButtonsKey).toInt(&buttonsRead);
  // A settings file edited by hand or from another version is taken for
  // no unit seen rather than for a wrong one.
  if (memories.size() != MemorySlotCount || !buttonsRead || buttons < 1 ||
      buttons > MaxButtonCount) {
    return std::nullopt;
  }
  UnitStatus unit;
  unit.MemoryCount = std::clamp(settings.value(MemoryCountKey).toInt(), 0, MemorySlotCount);
  unit.ButtonCount = buttons;
  unit.FirmwareVersion = settings.value(SoftwareKey).toString().toStdString();
  for (int index = 0; index < memories.size(); ++index) {
    const std::optional<MemorySlot> slot = ReadSlot(memories[index]);
    if (!slot) return std::nullopt;
    unit.Slots[static_cast<std::size_t>(index)] = *slot;
  }
  return unit;
}

void RememberLastUnit(QSettings& settings, const UnitStatus& unit) {
  QStringList memories;
  for (const MemorySlot& slot : unit.Slots) memories << SlotText(slot);
  settings.setValue(MemoriesKey, memories);
  settings.setValue(MemoryCountKey, unit.MemoryCount);
  settings.setValue(ButtonsKey, unit.ButtonCount);
  settings.setValue(SoftwareKey, QString::fromStdString(unit.FirmwareVersion));
}
