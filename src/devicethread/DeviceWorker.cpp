#include "devicethread/DeviceWorker.h"

#include <QThread>

DeviceWorker::DeviceWorker(ProgrammerDriver& driver, Clock& clock, const std::string& lockPath,
                           std::chrono::milliseconds lockPatience, std::function<void()> serveNext)
    : clock_(clock),
      lock_(lockPath),
      lockPatience_(lockPatience),
      serveNext_(std::move(serveNext)),
      link_(driver),
      probe_(link_, status_) {}

bool DeviceWorker::TakeLock() {
  const LockAttempt attempt =
      lock_.Take(clock_, lockPatience_, [this] { emit WaitingForProgrammer(); });
  return attempt != LockAttempt::InUse;
}

ProbeReport DeviceWorker::Probe(bool force) {
  if (!TakeLock()) return {status_, probe_.ListedProgrammer(), true};
  if (force) {
    probe_.ForceProbe();
  } else {
    probe_.ProbeUnit();
  }
  lock_.Release();
  return {status_, probe_.ListedProgrammer(), probe_.FoundProgrammerInUse()};
}

ProgrammingResult DeviceWorker::Program(const ProgrammingJob& job, std::stop_token stop) {
  if (!TakeLock()) return {ProgrammingCode::ProgrammerInUse};
  const ProgrammingResult result =
      ProgrammingSequence(job, link_, clock_, *this, std::move(stop)).ProgramUnit();
  lock_.Release();
  return result;
}

void DeviceWorker::CloseLinkAndEnd() {
  link_.CloseLink();
  thread()->quit();
}
