#pragma once

#include <QObject>

#include "device/DeviceLink.h"
#include "device/ProgrammingSequence.h"
#include "device/UnitProbe.h"
#include "device/UnitStatus.h"

// The device side on its own thread: the link to the programmer, the probe
// with the unit status it works on, and the programming runs. Each call is one
// request of the device thread; what it learns goes out as signals.
class DeviceWorker : public QObject, private ProgrammerLineObserver, private ProgrammingObserver {
  Q_OBJECT

 public:
  DeviceWorker(ProgrammerDriver& driver, Clock& clock);

  void Probe();
  void ForceProbe();
  void Program(const ProgrammingJob& job);
  void CloseLink();

 signals:
  void Probed(const UnitStatus& status, ProgrammerLine line, const std::string& programmer);
  void ResultLineCleared();
  void ProgressChanged(int percent);
  void ProgrammerNotFound();
  void ProgrammingEnded(const ProgrammingResult& result);

 private:
  void ShowProgrammerLine(ProgrammerLine line) override { line_ = line; }
  void ClearResultLine() override { emit ResultLineCleared(); }
  void ShowProgress(int percent) override { emit ProgressChanged(percent); }
  void ShowProgrammerNotFound() override { emit ProgrammerNotFound(); }

  Clock& clock_;
  DeviceLink link_;
  UnitStatus status_;
  UnitProbe probe_;
  ProgrammerLine line_ = ProgrammerLine::NotFound;
};
