#include "devicethread/ProbeReport.h"

#include <cstdio>

std::string DescribeProbe(const ProbeReport& report) {
  if (report.ProgrammerInUse) return "programmer in use by another program";
  if (report.Programmer.empty()) return "no programmer listed";
  std::string text = "programmer \"" + report.Programmer + "\" listed, ";
  const UnitStatus& unit = report.Status;
  if (!unit.UnitPresent) return text + "no unit answers";
  text += "unit connected:";
  for (int slot = 0; slot < MemorySlotCount; ++slot) {
    const MemorySlot& memory = unit.Slots[slot];
    if (memory.DeviceCode == 0) continue;
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X", memory.DeviceCode);
    text += " memory " + std::to_string(slot) + " " + code + " of " +
            std::to_string(memory.Capacity) + " bytes holding profile " +
            (memory.ProfileNumber < 0 ? std::string("none")
                                      : std::to_string(memory.ProfileNumber)) +
            ";";
  }
  return text + " " + std::to_string(unit.ButtonCount) + " buttons, firmware " +
         (unit.FirmwareVersion.empty() ? std::string("unknown") : unit.FirmwareVersion);
}
