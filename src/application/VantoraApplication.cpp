#include "application/VantoraApplication.h"

VantoraApplication::VantoraApplication(AppPorts ports)
    : ports_(std::move(ports)),
      sentProfile_(ports_.Settings),
      deviceThread_(ports_.Driver, ports_.Time, unitStatus_) {
  startPage_ = std::make_unique<StartPage>(ports_);
  programmingPage_ = std::make_unique<ProgrammingPage>(ports_, deviceThread_, unitStatus_,
                                                       soundChecks_, sentProfile_);
  aboutBox_ = std::make_unique<AboutBox>(ports_, unitStatus_);
  profileEditor_ =
      std::make_unique<ProfileEditor>(ports_, unitStatus_, soundChecks_, sentProfile_);
  pageFlow_ = std::make_unique<PageFlow>(ports_, *startPage_, *profileEditor_, *programmingPage_,
                                         *aboutBox_);
  startRequests_ = std::make_unique<StartRequests>(ports_.Prompts, *pageFlow_, *startPage_,
                                                   *profileEditor_, *programmingPage_);
}

VantoraApplication::~VantoraApplication() {
  // The About box belongs to the page that last opened it: it goes first.
  aboutBox_.reset();
}

void VantoraApplication::ShowStartPage() {
  startPage_->show();
}
