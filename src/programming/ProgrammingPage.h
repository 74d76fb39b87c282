#pragma once

#include <string>

#include "widgets/Page.h"
#include "programmingrun/SoundLengths.h"
#include "devicethread/DeviceThread.h"
#include "devicethread/UnitStatusHolder.h"
#include "profiles/ProfileFolder.h"
#include "profiles/SongProfile.h"
#include "programmingrun/ProgrammingPlan.h"
#include "programmingrun/ProgrammingRun.h"
#include "programmingrun/SentProfile.h"
#include "programmingrun/SoundDecodeChecks.h"

class HelpPane;
class QAction;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;

// The programming page "Program Vantora". It lists the sounds of the profile
// it is given, greying those that will not fit, and programs them into the
// unit through the device thread. While a run lasts, everything on the page
// but its STOP button is disabled, and Esc stops the run as STOP does. Its
// timer keeps the unit status current, whether the page is visible or not.
class ProgrammingPage : public Page {
  Q_OBJECT

 public:
  static constexpr int ProbeIntervalMs = 2500;
  // The faces of the Program button, as ProgramButtonImage holds them.
  static constexpr int ProgramMode = 0;
  static constexpr int FinishMode = 1;

  ProgrammingPage(AppPorts& ports, DeviceThread& device, const UnitStatusHolder& unit,
                  SoundDecodeChecks& soundChecks, SentProfile& sent);

  const std::string& ProfileName() const { return plan_.ProfileName; }
  int ProgramButtonImage() const { return programButtonImage_; }

  // Fills ProgramList with every sound of the present buttons of the
  // profile, all of Btn1 first; the page programs that profile. `saved`:
  // the profile's file holds these very lists.
  void FillProgramList(const std::string& profileName, const SongProfile& profile, bool saved);
  // Clamped to the faces there are.
  void SetProgramButtonImage(int face);

  void OnProbeTimer();
  void OnProgramClicked();
  void OnPreviousClicked();
  // While a run goes on: stops it between two pieces.
  void StopRun();
  bool RunInProgress() const { return runInProgress_; }

 signals:
  // Back to the editor.
  void PreviousRequested();
  // The Program button in its FINISH face: the application ends.
  void FinishRequested();
  // A programming run has ended and its result is shown.
  void ProgrammingEnded();

 public:
  // Closing the window during a run asks whether to stop it; once stopped,
  // the application ends.
  Task<bool> MayClose() override;

 protected:
  void OnShown() override;
  void OnHidden() override;
  void OnFreeAreaReleased(Qt::MouseButton button) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LayOut();
  void ShowUnit();
  // Greys the rows that the run would leave out, as the unit stands now.
  void ShowRowsThatDoNotFit();
  // Each row's length, as far as it is measured.
  void ShowLengths();
  void ShowRunReport(const RunReport& report);
  // The unit holds what a run sent, saved or not, once the run reached it.
  void NoteWhatWasSent(const RunReport& report, int profileNumber);
  // Why the run cannot begin, in the result line.
  void ShowRefusal(const RunPreflight& preflight, const ProgrammingPlan& plan);
  void ShowProgrammerInUse();
  // Only STOP takes input while a run lasts.
  void HoldControlsForRun(bool held);

  DeviceThread& device_;
  const UnitStatusHolder& unit_;
  SoundDecodeChecks& soundChecks_;
  SentProfile& sent_;
  ProfileFolder profiles_;
  ProgrammingRun run_;
  SongProfile profile_;
  bool profileSaved_ = true;
  ProgrammingPlan plan_;
  SoundLengths lengths_;
  int programButtonImage_ = ProgramMode;
  bool runInProgress_ = false;
  // The window was closed during a run: the application ends with the run.
  bool endAfterRun_ = false;

  QTreeWidget* programList_;
  QLabel* programmerLine_;
  QCheckBox* verifyEveryByte_;
  QProgressBar* progressBar_;
  QLabel* resultLine_;
  QPushButton* previousButton_;
  QPushButton* programButton_;
  HelpPane* helpPane_;
  QAction* manualEntry_;
  QTimer* probeTimer_;
};
