#pragma once

#include <QObject>
#include <QString>
#include <thread>

#include "device/ProgrammingSequence.h"
#include "programming/InputHold.h"

// One programming run at a time, off the GUI thread, so that the windows keep
// painting while the unit is written, which takes many seconds. The link
// belongs to the run until it has ended, and no page takes input meanwhile.
// The reports of the sequence arrive as signals from the run's thread.
class ProgrammingRun : public QObject, private ProgrammingObserver {
  Q_OBJECT

 public:
  ProgrammingRun(DeviceLink& link, Clock& clock);
  // Waits for a run in progress to end.
  ~ProgrammingRun() override;

  void Start(ProgrammingJob job);
  bool IsRunning() const { return worker_.joinable(); }

 signals:
  void ResultLineCleared();
  void ProgressChanged(int percent);
  void ProgrammerNotFound();
  // On the GUI thread, after every report of the run and once input is open again.
  void Ended(int code, const QString& errorText);

 private:
  void ClearResultLine() override { emit ResultLineCleared(); }
  void ShowProgress(int percent) override { emit ProgressChanged(percent); }
  void ShowProgrammerNotFound() override { emit ProgrammerNotFound(); }
  void Finish(const ProgrammingResult& result);

  DeviceLink& link_;
  Clock& clock_;
  ProgrammingJob job_;
  InputHold inputHold_;
  std::thread worker_;
};
