#include "diagnostics/SupportReport.h"

#include <ftdi.h>
#include <libusb.h>
#include <mpg123.h>
#include <sndfile.h>

#include <QDateTime>
#include <QDir>
#include <QSize>
#include <QSysInfo>
#include <cctype>
#include <cstdio>

namespace {

std::string Hex4(std::uint16_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "%04x", value);
  return text;
}

std::string SettingText(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::QByteArray:
      return "(" + std::to_string(value.toByteArray().size()) + " bytes of layout)";
    case QMetaType::QSize:
      return std::to_string(value.toSize().width()) + " x " +
             std::to_string(value.toSize().height());
    case QMetaType::QStringList:
    case QMetaType::QVariantList:
      return value.toStringList().join(QStringLiteral(", ")).toStdString();
    default:
      return value.toString().toStdString();
  }
}

void AddProgrammer(std::string& text, const SupportReportFacts& facts) {
  text += "\nProgrammer\n";
  if (facts.Programmer.empty()) {
    text += "  None found\n";
    return;
  }
  text += "  Description: " + facts.Programmer + "\n";
  if (facts.Identity) {
    text += "  Vendor and product id: " + Hex4(facts.Identity->VendorId) + ":" +
            Hex4(facts.Identity->ProductId) + "\n";
    text += "  Serial number: " +
            (facts.Identity->Serial.empty() ? std::string("none") : facts.Identity->Serial) + "\n";
  }
  if (facts.ProgrammerInUse) text += "  In use by another program\n";
}

void AddUnit(std::string& text, const UnitStatus& unit) {
  text += "\nUnit, as the last probe found it\n";
  if (!unit.UnitPresent) {
    text += "  Not connected\n";
    return;
  }
  text += "  Connected\n";
  for (int slot = 0; slot < MemorySlotCount; ++slot) {
    const MemorySlot& memory = unit.Slots[slot];
    if (memory.DeviceCode == 0) continue;
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X", memory.DeviceCode);
    text += "  Memory " + std::to_string(slot) + ": device code " + code + ", " +
            std::to_string(memory.Capacity) + " bytes, profile number " +
            (memory.ProfileNumber < 0 ? std::string("none")
                                      : std::to_string(memory.ProfileNumber)) +
            "\n";
  }
  text += "  Memories: " + std::to_string(unit.MemoryCount) + "\n";
  text += "  Buttons: " + std::to_string(unit.ButtonCount) + "\n";
  text += "  Firmware: " +
          (unit.FirmwareVersion.empty() ? std::string("unknown") : unit.FirmwareVersion) + "\n";
}

bool ContinuesAName(char next) {
  return std::isalnum(static_cast<unsigned char>(next)) || next == '_' || next == '-' ||
         next == '.';
}

}  // namespace

std::vector<std::string> VersionLines() {
  const ftdi_version_info ftdi = ftdi_get_library_version();
  const libusb_version* usb = libusb_get_version();
  char sndfile[128] = {};
  sf_command(nullptr, SFC_GET_LIB_VERSION, sndfile, sizeof sndfile);
  return {"Program: vantora-programmer " VANTORA_VERSION,
          std::string("Qt: ") + qVersion() + " (built with " QT_VERSION_STR ")",
          std::string("libftdi1: ") + ftdi.version_str,
          "libusb: " + std::to_string(usb->major) + "." + std::to_string(usb->minor) + "." +
              std::to_string(usb->micro) + "." + std::to_string(usb->nano),
          std::string("libsndfile: ") + sndfile,
          // mpg123 tells its version only from its API on.
          "mpg123: API version " + std::to_string(MPG123_API_VERSION) + " (as built)",
          "Kernel: " + QSysInfo::kernelType().toStdString() + " " +
              QSysInfo::kernelVersion().toStdString() + " " +
              QSysInfo::currentCpuArchitecture().toStdString(),
          "Distribution: " + QSysInfo::prettyProductName().toStdString()};
}

std::vector<std::pair<std::string, std::string>> SettingsText(QSettings& settings) {
  std::vector<std::pair<std::string, std::string>> lines;
  for (const QString& key : settings.allKeys()) {
    lines.emplace_back(key.toStdString(), SettingText(settings.value(key)));
  }
  return lines;
}

std::string HidingHome(std::string text, const std::string& home) {
  std::string folder = home;
  while (folder.size() > 1 && folder.ends_with('/')) folder.pop_back();
  if (folder.size() <= 1) return text;
  for (std::size_t at = text.find(folder); at != std::string::npos;
       at = text.find(folder, at + 1)) {
    const std::size_t end = at + folder.size();
    // "/home/ann" begins "/home/ann/Music", not "/home/anna".
    if (end < text.size() && ContinuesAName(text[end])) continue;
    text.replace(at, folder.size(), "~");
  }
  return text;
}

std::string SupportReportText(const SupportReportFacts& facts, const std::string& home) {
  std::string text =
      "Vantora Programmer support report\n"
      "Written " +
      QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss t")).toStdString() +
      "\n"
      "It holds no sound and no song data; paths in the home folder are shown as ~.\n"
      "\nVersions\n";
  for (const std::string& line : VersionLines()) text += "  " + line + "\n";
  AddProgrammer(text, facts);
  AddUnit(text, facts.Unit);
  text += "\nSettings" + (facts.SettingsFile.empty() ? "" : " (" + facts.SettingsFile + ")") + "\n";
  if (facts.Settings.empty()) text += "  none\n";
  for (const auto& [key, value] : facts.Settings) text += "  " + key + " = " + value + "\n";
  text += "\nLog of the last runs\n";
  text += facts.Log.empty() ? "  nothing logged yet\n" : facts.Log;
  return HidingHome(std::move(text), home);
}

std::string SupportReport(SupportReportFacts facts, QSettings* settings) {
  if (settings != nullptr) {
    facts.SettingsFile = settings->fileName().toStdString();
    facts.Settings = SettingsText(*settings);
  }
  return SupportReportText(facts, QDir::homePath().toStdString());
}
