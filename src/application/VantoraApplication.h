#pragma once

#include <memory>

#include "application/AboutBox.h"
#include "widgets/AppPorts.h"
#include "application/PageFlow.h"
#include "application/StartPage.h"
#include "application/StartRequests.h"
#include "devicethread/DeviceThread.h"
#include "devicethread/UnitStatusHolder.h"
#include "editor/ProfileEditor.h"
#include "programming/ProgrammingPage.h"
#include "programmingrun/SentProfile.h"
#include "programmingrun/SoundDecodeChecks.h"

// The program's four windows, created once in their fixed order, and the
// flow between them; only the start page is shown when the message loop
// starts. The application keeps the device thread and the last unit status
// for the pages.
class VantoraApplication {
 public:
  explicit VantoraApplication(AppPorts ports);
  ~VantoraApplication();

  StartPage& Start() { return *startPage_; }
  ProgrammingPage& Programming() { return *programmingPage_; }
  AboutBox& About() { return *aboutBox_; }
  ProfileEditor& Editor() { return *profileEditor_; }
  DeviceThread& Device() { return deviceThread_; }
  UnitStatusHolder& Unit() { return unitStatus_; }
  // The first page, and what later starts of the windows hand over.
  StartRequests& Requests() { return *startRequests_; }
  void ShowStartPage();

 private:
  AppPorts ports_;
  UnitStatusHolder unitStatus_;
  // The decoder's verdicts on the sounds, for the editor's lists and the
  // checks before a run.
  SoundDecodeChecks soundChecks_;
  SentProfile sentProfile_;
  // Outlives the pages, so that it stops only once their windows are gone.
  DeviceThread deviceThread_;
  std::unique_ptr<StartPage> startPage_;
  std::unique_ptr<ProgrammingPage> programmingPage_;
  std::unique_ptr<AboutBox> aboutBox_;
  std::unique_ptr<ProfileEditor> profileEditor_;
  std::unique_ptr<PageFlow> pageFlow_;
  std::unique_ptr<StartRequests> startRequests_;
};
