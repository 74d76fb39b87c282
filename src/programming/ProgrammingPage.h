#pragma once

#include "app/Page.h"
#include "app/Windows.h"
#include "device/DeviceLink.h"
#include "device/UnitProbe.h"
#include "device/UnitStatus.h"

class HelpPane;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;

// The programming page "Program Vantora". It owns the device side: the link
// to the programmer and the unit status that its timer keeps current, whether
// the page is visible or not.
class ProgrammingPage : public Page, private ProgrammerLineObserver {
  Q_OBJECT

 public:
  static constexpr int ProbeIntervalMs = 2500;

  ProgrammingPage(AppPorts& ports, Windows& windows);

  const UnitStatus& Status() const { return unitStatus_; }
  const DeviceLink& Link() const { return deviceLink_; }

  void Timer1Timer();
  void bbPreviousClick();

 protected:
  void FormShow() override;
  void FormHide() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShowProgrammerLine(ProgrammerLine line) override;
  void FormClose();

  Windows& windows_;
  DeviceLink deviceLink_;
  UnitStatus unitStatus_;
  UnitProbe unitProbe_;

  QTreeWidget* ListView1;
  QLabel* Label8;
  QProgressBar* ProgressBar1;
  QLabel* Label3;
  QPushButton* bbPrevious;
  QPushButton* bbProgram;
  HelpPane* Panel1;
  QTimer* Timer1;
};
