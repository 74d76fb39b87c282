#pragma once

#include <memory>

#include "application/AboutBox.h"
#include "application/MainWindow.h"
#include "application/PageFlow.h"
#include "application/SettingsKeeper.h"
#include "application/StartPage.h"
#include "application/StartRequests.h"
#include "devicethread/DeviceThread.h"
#include "devicethread/LastUnitSeen.h"
#include "devicethread/UnitStatusHolder.h"
#include "editor/ProfileEditor.h"
#include "programming/ProgrammingPage.h"
#include "programmingrun/SentProfile.h"
#include "programmingrun/SoundDecodeChecks.h"
#include "widgets/AppPorts.h"

// The program's window and its three pages, created once, and the flow
// between them; only the start page is on screen when the message loop
// starts. The application keeps the device thread, the last unit status and
// what the pages share.
class VantoraApplication {
 public:
  explicit VantoraApplication(AppPorts ports);

  MainWindow& Window() { return *window_; }
  StartPage& Start() { return *startPage_; }
  ProgrammingPage& Programming() { return *programmingPage_; }
  AboutBox& About() { return *aboutBox_; }
  ProfileEditor& Editor() { return *profileEditor_; }
  DeviceThread& Device() { return deviceThread_; }
  UnitStatusHolder& Unit() { return unitStatus_; }
  PageFlow& Flow() { return *pageFlow_; }
  SoundDecodeChecks& SoundChecks() { return soundChecks_; }
  // The first page, and what later starts of the windows hand over.
  StartRequests& Requests() { return *startRequests_; }

 private:
  AppPorts ports_;
  UnitStatusHolder unitStatus_;
  LastUnitSeen lastUnit_;
  // The decoder's verdicts on the sounds, for the editor's lists and the
  // checks before a run.
  SoundDecodeChecks soundChecks_;
  SentProfile sentProfile_;
  // Outlives the pages, so that it stops only once the window is gone.
  DeviceThread deviceThread_;
  // Goes after what follows the pages, before what the pages were given.
  std::unique_ptr<MainWindow> window_;
  StartPage* startPage_;
  ProgrammingPage* programmingPage_;
  ProfileEditor* profileEditor_;
  AboutBox* aboutBox_;
  std::unique_ptr<SettingsKeeper> settingsKeeper_;
  std::unique_ptr<PageFlow> pageFlow_;
  std::unique_ptr<StartRequests> startRequests_;
};
