#pragma once

#include <functional>
#include <string>

class ProgrammerDriver;

// What the pages reach outside themselves; tests plug in their own.
struct AppPorts {
  ProgrammerDriver& Driver;
  // The folder of the running program, ending in "/": Profiles/, Web/ and
  // Documentation/ are found there.
  std::string ProgramFolder;
  // Asks the message loop to stop after the current event.
  std::function<void()> EndApplication;
};
