#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/UnitStatus.h"
#include "profiles/EditorView.h"
#include "profiles/ProfileDocument.h"
#include "profiles/Task.h"
#include "soundediting/FitPlan.h"

class FitProgressDialog;
class QWidget;
class UserPrompts;

// A row of the lists and its sound: as a plan found it, or the new sound
// that takes its place.
struct SoundRow {
  int Slot = 0;
  int Row = 0;
  SoundEntry Sound;
};

// The editor's "Make It Fit…" command. It asks how many seconds a changed
// sound may keep, plans off the GUI thread, shows the plan, writes the new
// files beside the originals off the GUI thread with a progress dialog and
// Cancel, and hands the new rows over; the editor puts them in its lists.
// The window stays responsive throughout, and a cancelled or failed run
// leaves behind neither rows nor files.
class MakeItFit : public QObject {
  Q_OBJECT

 public:
  MakeItFit(const ProfileDocument& document, UserPrompts& prompts, QWidget* window);
  ~MakeItFit() override;

  // From the start until Finished: the lists must stay as they were planned.
  bool Busy() const { return busy_; }
  // Runs on the sounds of the present buttons for this unit; returns once the
  // work is under way, which then goes on from the event loop.
  Task<> Start(UnitStatus unit);

 signals:
  // A line for the editor's Info line.
  void Told(const QString& text, InfoColour colour);
  // The plan was accepted and its files are being written.
  void WritingStarted();
  // The new files are written: these rows take them, as one edit.
  void SoundsReplaced(const std::vector<SoundRow>& replacements);
  // Every run that got past the question of seconds ends so, however it ended.
  void Finished();

 private:
  void CollectRows();
  bool AllFit(const UnitStatus& unit) const;
  // False when the user cancelled; `seconds` stays empty for whole sounds.
  Task<bool> AskSecondsToKeep(std::optional<double>& seconds);
  void StartPlanning(const UnitStatus& unit, std::optional<double> seconds);
  Task<> OnPlanned(FitPlan plan, std::vector<ProfileSound> sounds);
  void StartWriting(const FitPlan& plan);
  // The bar's share of the work's progress, told from the thread that writes.
  std::function<void(double)> ProgressReporter();
  void OnWritten(const std::vector<SoundEntry>& written, const std::string& failure);
  // The rows still hold what the plan was made for.
  bool RowsUnchanged() const;
  void End();

  const ProfileDocument& document_;
  UserPrompts& prompts_;
  QWidget* window_;
  bool busy_ = false;
  // The sounds of the present buttons in programming order, as planned.
  std::vector<SoundRow> rows_;
  std::vector<std::size_t> changedRows_;
  FitProgressDialog* progress_ = nullptr;
  // Set by Cancel; each run has its own.
  std::shared_ptr<std::atomic<bool>> cancel_;
  QThreadPool pool_;
};
