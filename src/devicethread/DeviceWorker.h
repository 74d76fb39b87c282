#pragma once

#include <QObject>
#include <functional>
#include <stop_token>

#include "device/DeviceLink.h"
#include "device/ProgrammerLock.h"
#include "device/ProgrammingSequence.h"
#include "device/UnitProbe.h"
#include "device/UnitStatus.h"
#include "devicethread/ProbeReport.h"

// The device side on its own thread: the link to the programmer, the probe
// with the unit status it works on, and the programming runs. Each call is
// one request of the device thread and holds the programmer lock from its
// start to its end, so that another program (the windows and the command
// line alike) never talks to the programmer at the same time; a request
// that cannot have it within its patience does nothing. A run's reports go
// out as signals.
class DeviceWorker : public QObject, private ProgrammingObserver {
  Q_OBJECT

 public:
  // `serveNext` serves the oldest request waiting for this thread.
  DeviceWorker(ProgrammerDriver& driver, Clock& clock, const std::string& lockPath,
               std::chrono::milliseconds lockPatience, std::function<void()> serveNext);

  ProbeReport Probe(bool force);
  ProgrammingResult Program(const ProgrammingJob& job, std::stop_token stop);

 public slots:
  void ServeNext() { serveNext_(); }
  // Closes an open link, then ends the thread's event loop.
  void CloseLinkAndEnd();

 signals:
  // A run has the programmer, and has ended, however it ended.
  void RunBegun();
  void RunEnded();
  void RunPhaseBegun(RunPhase phase, int slot);
  void RunBytesMoved(qint64 done, qint64 total);
  void RunLostProgrammer();
  // Another program holds the programmer; this one waits for it.
  void WaitingForProgrammer();

 private:
  void PhaseBegun(RunPhase phase, int slot) override;
  void BytesMoved(std::uint64_t done, std::uint64_t total) override {
    emit RunBytesMoved(static_cast<qint64>(done), static_cast<qint64>(total));
  }
  void ProgrammerLost() override;
  void MemoryFinished(int slot, ProgrammingCode code) override;
  // False when another program holds the programmer for longer than the
  // patience; a lock file that cannot be used keeps nobody out.
  bool TakeLock();
  // Logs what the probe found: a change as worth keeping, the same again as
  // detail.
  void LogProbe(const ProbeReport& report);

  ProgrammerDriver& driver_;
  Clock& clock_;
  ProgrammerLock lock_;
  std::chrono::milliseconds lockPatience_;
  std::function<void()> serveNext_;
  DeviceLink link_;
  UnitStatus status_;
  UnitProbe probe_;
  std::string lastProbe_;
  // A lock file that cannot be used is told once.
  bool lockFailureTold_ = false;
};
