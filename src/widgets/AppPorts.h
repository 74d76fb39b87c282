#pragma once

#include <QUrl>
#include <functional>
#include <string>

class Clock;
class ProgrammerDriver;
class QSettings;
class SoundOutput;
class UserPrompts;

// What the pages reach outside themselves; tests plug in their own.
struct AppPorts {
  ProgrammerDriver& Driver;
  Clock& Time;
  UserPrompts& Prompts;
  // The folder of the running program, ending in "/": Web/ and
  // Documentation/ are found there.
  std::string ProgramFolder;
  // The folder of the user's profiles, ending in "/".
  std::string ProfilesFolder;
  // Asks the message loop to stop after the current event.
  std::function<void()> EndApplication;
  // Opens a document, link or sound with the system's default application.
  std::function<bool(const QUrl&)> OpenUrl;
  // What the program remembers between runs, in the user's configuration folder.
  QSettings& Settings;
  // Where sounds are heard inside the program.
  SoundOutput& Audio;
  // The support report as it stands now: versions, programmer, unit,
  // settings and the log of the last runs.
  std::function<std::string()> SupportReport = [] { return std::string(); };
};
