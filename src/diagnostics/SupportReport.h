#pragma once

#include <QSettings>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "device/ProgrammerDriver.h"
#include "device/UnitStatus.h"

// What a support report tells: everything a helper needs to see why a unit
// does not program, and nothing of the user's songs.
struct SupportReportFacts {
  // The programmer as the last probe found it: its description, empty when
  // none was listed; its ids; another program holding it.
  std::string Programmer;
  std::optional<UsbIdentity> Identity;
  bool ProgrammerInUse = false;
  // The unit as the last probe found it.
  UnitStatus Unit;
  // Where the settings are kept, and each setting with its value as text.
  std::string SettingsFile;
  std::vector<std::pair<std::string, std::string>> Settings;
  // The log of the last runs, lines ending in "\n".
  std::string Log;
};

// The report for this user, with the settings when there are any.
std::string SupportReport(SupportReportFacts facts, QSettings* settings);

// The report as one text: the program's and its libraries' versions, the
// system, the programmer, the unit, the settings and the log. Every path in
// the home folder `home` is shown as "~".
std::string SupportReportText(const SupportReportFacts& facts, const std::string& home);

// Every setting with its value as text; window layouts and other binary
// values are shown by their size alone.
std::vector<std::pair<std::string, std::string>> SettingsText(QSettings& settings);

// The text with the home folder, wherever it begins a path, written "~".
std::string HidingHome(std::string text, const std::string& home);

// The program's and its libraries' versions, and the system's, as
// "name: version" lines.
std::vector<std::string> VersionLines();
