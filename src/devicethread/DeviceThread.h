#pragma once

#include <QFuture>
#include <QObject>
#include <QThread>
#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>

#include "device/ProgrammerLock.h"
#include "device/ProgrammingSequence.h"
#include "devicethread/ProbeReport.h"
#include "devicethread/UnitStatusHolder.h"

class DeviceWorker;

// The one thread that talks to the programmer, so that no window waits on
// USB. Requests are served one at a time, in the order they were made, so a
// probe never sends its bytes in the middle of a programming run. Each
// request completes exactly once, with its own result, on the thread that
// created this object (which needs only a running event loop; a
// QCoreApplication will do); a request dropped by Stop completes cancelled.
class DeviceThread : public QObject {
  Q_OBJECT

 public:
  // Snapshots of the unit status go into `unit` before a probe completes.
  // Each request waits up to `lockPatience` for another program's use of the
  // programmer to end (the lock file at `lockPath`).
  DeviceThread(ProgrammerDriver& driver, Clock& clock, UnitStatusHolder& unit,
               const std::string& lockPath = ProgrammerLockPath(),
               std::chrono::milliseconds lockPatience = std::chrono::milliseconds(0));
  // Stops, waiting for the request in progress to end.
  ~DeviceThread() override;

  // The presence check, and the full probe while the unit is not known to be present.
  QFuture<ProbeReport> RequestProbe();
  // Forgets the unit, so that the probe is a full one.
  QFuture<ProbeReport> RequestForceProbe();
  // Writes and verifies the job; its reports follow as the run goes on.
  QFuture<ProgrammingResult> RequestProgramming(ProgrammingJob job);
  // The run in progress, or one requested and not yet begun, stops between
  // two pieces of song data, two read requests or two memories, closes the
  // link and completes as Stopped.
  void StopProgramming();
  // Once the request in progress has ended (a run stops early), closes an
  // open link and ends the thread; requests not yet begun, and any made
  // later, are dropped.
  void Stop();

 signals:
  // A run has taken the programmer; it has ended, however it ended. A run
  // that never got the programmer does neither.
  void RunBegun();
  void RunEnded();
  // The reports of the run in progress, in the order the run made them.
  void RunPhaseBegun(RunPhase phase, int slot);
  void RunBytesMoved(qint64 done, qint64 total);
  void RunLostProgrammer();
  // A request waits for another program's use of the programmer to end.
  void WaitingForProgrammer();
  // A probe found the programmer held by another program and skipped its turn.
  void ProgrammerInUse();
  // The thread has ended after Stop closed the link.
  void Stopped();

 private slots:
  // On this object's thread: completes the request that the device thread
  // finished first.
  void DeliverFinished();

 private:
  using Step = std::function<void()>;

  template <typename Result, typename Work>
  QFuture<Result> Request(Work work);
  QFuture<ProbeReport> RequestProbeReport(bool force);
  // On the device thread: serves the oldest request.
  void ServeNext();

  UnitStatusHolder& unit_;
  QThread thread_;
  std::unique_ptr<DeviceWorker> worker_;
  std::atomic<bool> stopping_ = false;
  // Requests and their completions cross between the threads through these
  // queues, under the mutex, and the threads are woken by queued calls that
  // carry nothing.
  std::mutex queues_;
  std::deque<Step> requests_;
  std::deque<Step> finished_;
  std::stop_source runStop_;
};
