#pragma once

#include <QObject>
#include <QThread>
#include <atomic>
#include <memory>

#include "device/ProgrammingSequence.h"
#include "device/UnitProbe.h"
#include "devicethread/UnitStatusHolder.h"

class DeviceWorker;

// The one thread that talks to the programmer, so that no window waits on
// USB. Requests are served one at a time, in the order they were made, so a
// probe never sends its bytes in the middle of a programming run. What they
// learn comes back as signals on the thread that created this object, which
// needs only a running event loop (a QCoreApplication will do).
class DeviceThread : public QObject {
  Q_OBJECT

 public:
  // Snapshots of the unit status go into `unit` before UnitProbed reports them.
  DeviceThread(ProgrammerDriver& driver, Clock& clock, UnitStatusHolder& unit);
  // Stops, waiting for the request in progress to end.
  ~DeviceThread() override;

  // The presence check, and the full probe while the unit is not known to be present.
  void RequestProbe();
  // Forgets the unit, so that the probe is a full one.
  void RequestForceProbe();
  // Writes and verifies the job; its reports follow as the run goes on.
  void RequestProgramming(ProgrammingJob job);
  // Once the request in progress has ended, closes an open link and ends the
  // thread; requests not yet begun, and any made later, are dropped.
  void Stop();

 signals:
  // A probe has ended; the holder already has its status. `programmer` is the
  // description of the programmer the probe found listed, empty when none
  // was: with it listed and no unit present, the unit is what is missing.
  void UnitProbed(const UnitStatus& status, ProgrammerLine line, const std::string& programmer);
  // The reports of a programming run, in the order the run made them.
  void ResultLineCleared();
  void ProgressChanged(int percent);
  void ProgrammerNotFound();
  // The run's last report.
  void ProgrammingEnded(const ProgrammingResult& result);
  // The thread has ended after Stop closed the link.
  void Stopped();

 private:
  template <typename Work>
  void Request(Work work);

  UnitStatusHolder& unit_;
  QThread thread_;
  std::unique_ptr<DeviceWorker> worker_;
  std::atomic<bool> stopping_ = false;
};
