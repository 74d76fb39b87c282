#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/Page.h"
#include "app/Windows.h"
#include "device/DeviceLink.h"
#include "device/ProgrammingSequence.h"
#include "device/UnitProbe.h"
#include "device/UnitStatus.h"
#include "programming/ProgrammingRun.h"

class HelpPane;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;

// One row of the programming list: a sound with the button it belongs to.
struct ProgramListRow {
  std::string FileName;
  std::string SizeText;
  int ButtonNumber = 1;
  std::string Directory;  // ends in "/"
};

// The programming page "Program Vantora". It owns the device side: the link
// to the programmer and the unit status that its timer keeps current, whether
// the page is visible or not.
class ProgrammingPage : public Page, private ProgrammerLineObserver {
  Q_OBJECT

 public:
  static constexpr int ProbeIntervalMs = 2500;
  // The faces of bbProgram, as ProgramButtonImage holds them.
  static constexpr int ProgramMode = 0;
  static constexpr int FinishMode = 1;

  ProgrammingPage(AppPorts& ports, Windows& windows);

  const UnitStatus& Status() const { return unitStatus_; }
  const DeviceLink& Link() const { return deviceLink_; }
  const std::string& ProfileName() const { return profileName_; }
  int ProgramButtonImage() const { return programButtonImage_; }

  // Fills ProgramList with the sounds of the present buttons, all of Btn1
  // first, and takes the name of the profile they belong to.
  void FillProgramList(const std::vector<ProgramListRow>& rows, const std::string& profileName);
  // Clamped to the faces there are.
  void SetProgramButtonImage(int face);

  void Timer1Timer();
  void bbProgramClick();
  void bbPreviousClick();
  void ProgressBar1MouseUp(Qt::MouseButton button);
  void ListView1MouseUp(Qt::MouseButton button);

 signals:
  // A programming run has ended and its result is shown.
  void ProgrammingEnded();

 protected:
  void FormShow() override;
  void FormHide() override;
  void FormMouseUp(Qt::MouseButton button) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowProgrammerLine(ProgrammerLine line) override;
  void FormClose();
  ProgrammingJob JobForProgramList() const;
  void ShowProgrammingResult(int code, const QString& errorText);

  Windows& windows_;
  DeviceLink deviceLink_;
  UnitStatus unitStatus_;
  UnitProbe unitProbe_;
  std::vector<ProgramListRow> programList_;
  std::string profileName_;
  int programButtonImage_ = ProgramMode;
  std::int64_t runStartMilliseconds_ = 0;

  QTreeWidget* ListView1;
  QLabel* Label8;
  QProgressBar* ProgressBar1;
  QLabel* Label3;
  QPushButton* bbPrevious;
  QPushButton* bbProgram;
  HelpPane* Panel1;
  QTimer* Timer1;

  // Declared last: it waits for a run in progress before the link goes.
  ProgrammingRun programmingRun_;
};

// Elapsed milliseconds as seconds in the shortest decimal form: 2500 gives
// "2.5", 3000 gives "3".
QString SecondsText(std::int64_t milliseconds);
