#include "commandline/UnitReport.h"

#include <QJsonArray>
#include <cstdio>

#include "profiles/VisibleText.h"
#include "programmingrun/ExitStatus.h"
#include "programmingrun/RunTexts.h"
#include "translation/Translated.h"

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
    out << Translated("RunTexts", ProgrammerHeldElsewhereText) << "\n";
    return;
  }
  if (probe.Programmer.empty()) {
    out << Translated("RunTexts", ProgrammerNotFoundText) << "\n";
    return;
  }
  out << Filled(Translated("CommandLine", "Programmer: %1"), {VisibleText(probe.Programmer)})
      << "\n";
  if (!status.UnitPresent) {
    out << Translated("CommandLine", "Unit: Disconnected") << "\n";
    return;
  }
  out << Translated("CommandLine", "Unit: Connected") << "\n";
  for (int slot = 0; slot < MemorySlotCount; ++slot) {
    const MemorySlot& memory = status.Slots[slot];
    if (memory.DeviceCode == 0) continue;
    const std::string profileNumber = memory.ProfileNumber < 0
                                          ? Translated("CommandLine", "none")
                                          : std::to_string(memory.ProfileNumber);
    out << Filled(
               Translated("CommandLine", "Memory %1: device code %2, %3 bytes, profile number %4"),
               {std::to_string(slot), DeviceCodeText(memory.DeviceCode),
                std::to_string(memory.Capacity), profileNumber})
        << "\n";
  }
  const std::string firmware = status.FirmwareVersion.empty() ? Translated("CommandLine", "unknown")
                                                              : status.FirmwareVersion;
  const std::string profile =
      profileOnUnit.empty() ? Translated("CommandLine", "None") : VisibleText(profileOnUnit);
  out << Filled(Translated("CommandLine", "Size : %1"), {std::to_string(status.TotalCapacity())})
      << "\n"
      << Filled(Translated("CommandLine", "Buttons: %1"), {std::to_string(status.ButtonCount)})
      << "\n"
      << Filled(Translated("CommandLine", "Firmware: %1"), {firmware}) << "\n"
      << Filled(Translated("CommandLine", "Profile On Vantora : %1"), {profile}) << "\n";
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
