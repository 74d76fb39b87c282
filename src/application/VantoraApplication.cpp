#include "application/VantoraApplication.h"

#include "application/RememberedUnit.h"

VantoraApplication::VantoraApplication(AppPorts ports)
    : ports_(std::move(ports)),
      lastUnit_(unitStatus_, RecallLastUnit(ports_.Settings)),
      sentProfile_(ports_.Settings),
      deviceThread_(ports_.Driver, ports_.Time, unitStatus_),
      window_(std::make_unique<MainWindow>(ports_)) {
  startPage_ = new StartPage(ports_);
  programmingPage_ =
      new ProgrammingPage(ports_, deviceThread_, unitStatus_, soundChecks_, sentProfile_);
  profileEditor_ =
      new ProfileEditor(ports_, unitStatus_, lastUnit_, soundChecks_, sentProfile_);
  for (Page* page : std::initializer_list<Page*>{startPage_, profileEditor_, programmingPage_}) {
    window_->AddPage(page);
  }
  aboutBox_ = new AboutBox(ports_, unitStatus_, window_.get());
  ProfileStore& profiles = profileEditor_->Profiles();
  // The profile open when the program last ended, if it is still there.
  profiles.Selection().SelectListedProfile(SettingsKeeper::LastProfile(ports_.Settings));
  settingsKeeper_ = std::make_unique<SettingsKeeper>(
      ports_.Settings, profileEditor_->Document(), lastUnit_, profiles.SoundFileDialogs());
  window_->PlaceAtStart();
  pageFlow_ = std::make_unique<PageFlow>(ports_, *window_, *startPage_, *profileEditor_,
                                         *programmingPage_, *aboutBox_);
  startRequests_ = std::make_unique<StartRequests>(ports_.Prompts, *window_, *pageFlow_,
                                                   *profileEditor_, *programmingPage_);
}
