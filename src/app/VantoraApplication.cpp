#include "app/VantoraApplication.h"

#include "app/AboutBox.h"
#include "app/StartPage.h"
#include "editor/ProfileEditor.h"
#include "programming/ProgrammingPage.h"

VantoraApplication::VantoraApplication(AppPorts ports)
    : ports_(std::move(ports)), deviceThread_(ports_.Driver, ports_.Time, unitStatus_) {
  startPage_ = std::make_unique<StartPage>(ports_, windows_);
  windows_.fStart = startPage_.get();
  programmingPage_ =
      std::make_unique<ProgrammingPage>(ports_, windows_, deviceThread_, unitStatus_);
  windows_.Form1 = programmingPage_.get();
  aboutBox_ = std::make_unique<AboutBox>(ports_, unitStatus_);
  windows_.frmAbout = aboutBox_.get();
  profileEditor_ = std::make_unique<ProfileEditor>(ports_, windows_, unitStatus_);
  windows_.Form3 = profileEditor_.get();
}

VantoraApplication::~VantoraApplication() {
  // The About box belongs to the page that last opened it: it goes first.
  aboutBox_.reset();
}

void VantoraApplication::ShowStartPage() {
  startPage_->show();
}
