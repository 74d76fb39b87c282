#pragma once

#include <memory>

#include "app/AppPorts.h"
#include "app/Windows.h"

// The program's four windows, created once in their fixed order; only the
// start page is shown when the message loop starts.
class VantoraApplication {
 public:
  explicit VantoraApplication(AppPorts ports);
  ~VantoraApplication();

  Windows& Pages() { return windows_; }
  void ShowStartPage();

 private:
  AppPorts ports_;
  Windows windows_;
  std::unique_ptr<StartPage> startPage_;
  std::unique_ptr<ProgrammingPage> programmingPage_;
  std::unique_ptr<AboutBox> aboutBox_;
  std::unique_ptr<ProfileEditor> profileEditor_;
};
