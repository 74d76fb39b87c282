#pragma once

#include <QObject>
#include <functional>
#include <stop_token>

#include "device/DeviceLink.h"
#include "device/ProgrammingSequence.h"
#include "device/UnitProbe.h"
#include "device/UnitStatus.h"
#include "devicethread/ProbeReport.h"

// The device side on its own thread: the link to the programmer, the probe
// with the unit status it works on, and the programming runs. Each call is
// one request of the device thread; a run's reports go out as signals.
class DeviceWorker : public QObject, private ProgrammingObserver {
  Q_OBJECT

 public:
  // `serveNext` serves the oldest request waiting for this thread.
  DeviceWorker(ProgrammerDriver& driver, Clock& clock, std::function<void()> serveNext);

  ProbeReport Probe();
  ProbeReport ForceProbe();
  ProgrammingResult Program(const ProgrammingJob& job, std::stop_token stop);

 public slots:
  void ServeNext() { serveNext_(); }
  // Closes an open link, then ends the thread's event loop.
  void CloseLinkAndEnd();

 signals:
  void RunPhaseBegun(RunPhase phase, int slot);
  void RunDataSent(qint64 sent, qint64 total);
  void RunLostProgrammer();

 private:
  void PhaseBegun(RunPhase phase, int slot) override { emit RunPhaseBegun(phase, slot); }
  void SongDataSent(std::size_t sent, std::size_t total) override {
    emit RunDataSent(static_cast<qint64>(sent), static_cast<qint64>(total));
  }
  void ProgrammerLost() override { emit RunLostProgrammer(); }

  Clock& clock_;
  std::function<void()> serveNext_;
  DeviceLink link_;
  UnitStatus status_;
  UnitProbe probe_;
};
