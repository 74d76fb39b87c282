#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "app/AppPorts.h"
#include "app/VantoraApplication.h"
#include "device/SimulatedUnit.h"

// The whole program on a simulated unit, with a temporary program folder.
class AppFixture : public ::testing::Test {
 protected:
  AppFixture() : unit(SimulatedUnit::StandardUnit()) {}

  void StartProgram() {
    ports = std::make_unique<AppPorts>(
        AppPorts{*unit, programFolder.path().toStdString() + "/", [this] { ++endRequests; }});
    vantora = std::make_unique<VantoraApplication>(*ports);
    vantora->ShowStartPage();
  }

  Windows& Pages() { return vantora->Pages(); }

  QTemporaryDir programFolder;
  std::unique_ptr<SimulatedUnit> unit;
  std::unique_ptr<AppPorts> ports;
  std::unique_ptr<VantoraApplication> vantora;
  int endRequests = 0;
};
