#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/Page.h"
#include "app/Windows.h"
#include "device/ProgrammingSequence.h"
#include "device/UnitProbe.h"
#include "devicethread/DeviceThread.h"
#include "devicethread/UnitStatusHolder.h"
#include "programming/InputHold.h"

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

// The programming page "Program Vantora". Its timer keeps the unit status
// current through the device thread, whether the page is visible or not, and
// it programs the unit there, holding every page's input while the run lasts.
class ProgrammingPage : public Page {
  Q_OBJECT

 public:
  static constexpr int ProbeIntervalMs = 2500;
  // The faces of bbProgram, as ProgramButtonImage holds them.
  static constexpr int ProgramMode = 0;
  static constexpr int FinishMode = 1;

  ProgrammingPage(AppPorts& ports, Windows& windows, DeviceThread& device,
                  const UnitStatusHolder& unit);

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
  void ShowProgrammerLine(ProgrammerLine line);
  // Greys the rows that the run would leave out, as the unit stands now.
  void ShowRowsThatDoNotFit();
  void FormClose();
  ProgrammingJob JobForProgramList() const;
  void ShowProgrammingResult(const ProgrammingResult& result);

  Windows& windows_;
  DeviceThread& device_;
  const UnitStatusHolder& unit_;
  InputHold inputHold_;
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
};
