#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QUrl>
#include <memory>

#include "app/AppPorts.h"
#include "app/VantoraApplication.h"
#include "device/SimulatedUnit.h"
#include "support/ManualClock.h"
#include "support/ScriptedPrompts.h"

// The whole program on a simulated unit, with a temporary program folder,
// scripted prompts and a clock that stands still.
class AppFixture : public ::testing::Test {
 protected:
  AppFixture() : unit(SimulatedUnit::StandardUnit()) {}

  void StartProgram() {
    ports = std::make_unique<AppPorts>(AppPorts{*unit, clock, prompts, ProgramFolder(),
                                                [this] { ++endRequests; },
                                                [this](const QUrl& url) {
                                                  openedUrls.push_back(url);
                                                  return openSucceeds;
                                                }});
    vantora = std::make_unique<VantoraApplication>(*ports);
    vantora->ShowStartPage();
  }

  std::string ProgramFolder() const { return programFolder.path().toStdString() + "/"; }
  Windows& Pages() { return vantora->Pages(); }

  QTemporaryDir programFolder;
  std::unique_ptr<SimulatedUnit> unit;
  ManualClock clock;
  ScriptedPrompts prompts;
  std::unique_ptr<AppPorts> ports;
  std::unique_ptr<VantoraApplication> vantora;
  int endRequests = 0;
  std::vector<QUrl> openedUrls;
  bool openSucceeds = true;
};
