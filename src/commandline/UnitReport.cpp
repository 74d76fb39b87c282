#include "commandline/UnitReport.h"

#include <QJsonArray>
#include <cstdio>

#include "profiles/VisibleText.h"
#include "programmingrun/ExitStatus.h"
#include "programmingrun/RunTexts.h"

namespace {

std::string DeviceCodeText(std::uint8_t code) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", code);
  return text;
}

// The number a memory holds, as the editor's status bar looks it up.
int ProfileNumberOnUnit(const UnitStatus& status) {
  return status.Slots[0].ProfileNumber;
}

QJsonValue NumberOrNull(int number) {
  return number < 0 ? QJsonValue() : QJsonValue(number);
}

QJsonValue TextOrNull(const std::string& text) {
  return text.empty() ? QJsonValue() : QJsonValue(QString::fromStdString(text));
}

}  // namespace

int ExitStatusFor(const ProbeReport& probe) {
  if (probe.ProgrammerInUse || probe.Programmer.empty()) return ExitProgrammerNotFound;
  return probe.Status.UnitPresent ? ExitSuccess : ExitUnitNotConnected;
}

void PrintUnitStatus(std::ostream& out, const ProbeReport& probe,
                     const std::string& profileOnUnit) {
  const UnitStatus& status = probe.Status;
  if (probe.ProgrammerInUse) {
    out << ProgrammerHeldElsewhereText << "\n";
    return;
  }
  if (probe.Programmer.empty()) {
    out << ProgrammerNotFoundText << "\n";
    return;
  }
  out << "Programmer: " << VisibleText(probe.Programmer) << "\n";
  if (!status.UnitPresent) {
    out << "Unit: Disconnected\n";
    return;
  }
  out << "Unit: Connected\n";
  for (int slot = 0; slot < MemorySlotCount; ++slot) {
    const MemorySlot& memory = status.Slots[slot];
    if (memory.DeviceCode == 0) continue;
    out << "Memory " << slot << ": device code " << DeviceCodeText(memory.DeviceCode) << ", "
        << memory.Capacity << " bytes, profile number "
        << (memory.ProfileNumber < 0 ? std::string("none") : std::to_string(memory.ProfileNumber))
        << "\n";
  }
  out << "Size : " << status.TotalCapacity() << "\n"
      << "Buttons: " << status.ButtonCount << "\n"
      << "Firmware: " << (status.FirmwareVersion.empty() ? "unknown" : status.FirmwareVersion)
      << "\n"
      << "Profile On Vantora : " << (profileOnUnit.empty() ? "None" : VisibleText(profileOnUnit))
      << "\n";
}

void AddUnitStatus(QJsonObject& json, const ProbeReport& probe, const std::string& profileOnUnit) {
  const UnitStatus& status = probe.Status;
  QJsonArray memories;
  for (int slot = 0; slot < MemorySlotCount; ++slot) {
    const MemorySlot& memory = status.Slots[slot];
    if (memory.DeviceCode == 0) continue;
    memories.append(
        QJsonObject{{QStringLiteral("slot"), slot},
                    {QStringLiteral("deviceCode"), memory.DeviceCode},
                    {QStringLiteral("capacity"), static_cast<qint64>(memory.Capacity)},
                    {QStringLiteral("profileNumber"), NumberOrNull(memory.ProfileNumber)}});
  }
  json[QStringLiteral("programmer")] = TextOrNull(probe.Programmer);
  json[QStringLiteral("programmerInUse")] = probe.ProgrammerInUse;
  json[QStringLiteral("unitPresent")] = status.UnitPresent;
  json[QStringLiteral("memories")] = memories;
  json[QStringLiteral("totalCapacity")] =
      status.UnitPresent ? QJsonValue(static_cast<qint64>(status.TotalCapacity())) : QJsonValue();
  json[QStringLiteral("buttonCount")] =
      status.UnitPresent ? QJsonValue(status.ButtonCount) : QJsonValue();
  json[QStringLiteral("firmwareVersion")] = TextOrNull(status.FirmwareVersion);
  json[QStringLiteral("profileNumber")] = NumberOrNull(ProfileNumberOnUnit(status));
  json[QStringLiteral("profileName")] = TextOrNull(profileOnUnit);
}
