#include "devicethread/DeviceWorker.h"

#include <QThread>
#include <cstring>

#include "diagnostics/LogCategories.h"

DeviceWorker::DeviceWorker(ProgrammerDriver& driver, Clock& clock, const std::string& lockPath,
                           std::chrono::milliseconds lockPatience, std::function<void()> serveNext)
    : driver_(driver),
      clock_(clock),
      lock_(lockPath),
      lockPatience_(lockPatience),
      serveNext_(std::move(serveNext)),
      link_(driver),
      probe_(link_, status_) {}

bool DeviceWorker::TakeLock() {
  const std::int64_t start = clock_.NowMilliseconds();
  // The windows' probes do not wait: they skip their turn, which their own
  // log line tells.
  const bool patient = lockPatience_.count() > 0;
  bool waited = false;
  const LockAttempt attempt = lock_.Take(clock_, lockPatience_, [&] {
    waited = patient;
    if (patient) {
      qCInfo(DeviceLogging, "another program uses the programmer: waiting up to %lld ms for %s",
             static_cast<long long>(lockPatience_.count()), lock_.Path().c_str());
    }
    emit WaitingForProgrammer();
  });
  const auto took = static_cast<long long>(clock_.NowMilliseconds() - start);
  if (attempt == LockAttempt::InUse && waited) {
    qCInfo(DeviceLogging, "the programmer is still in use after %lld ms: nothing done", took);
  } else if (attempt == LockAttempt::Failed && !lockFailureTold_) {
    qCWarning(DeviceLogging, "the programmer lock %s cannot be used (%s): going on without it",
              lock_.Path().c_str(), std::strerror(lock_.Error()));
    lockFailureTold_ = true;
  } else if (attempt == LockAttempt::Taken && waited) {
    qCInfo(DeviceLogging, "the programmer is free after %lld ms", took);
  }
  return attempt != LockAttempt::InUse;
}

ProbeReport DeviceWorker::Probe(bool force) {
  if (!TakeLock()) {
    ProbeReport skipped{status_, probe_.ListedProgrammer(), true};
    LogProbe(skipped);
    return skipped;
  }
  if (force) {
    probe_.ForceProbe();
  } else {
    probe_.ProbeUnit();
  }
  lock_.Release();
  const std::string& listed = probe_.ListedProgrammer();
  ProbeReport report{status_, listed, probe_.FoundProgrammerInUse()};
  if (!listed.empty()) report.Identity = driver_.Identify(listed);
  LogProbe(report);
  return report;
}

void DeviceWorker::LogProbe(const ProbeReport& report) {
  const std::string found = DescribeProbe(report);
  if (found != lastProbe_) {
    qCInfo(DeviceLogging, "probe: %s", found.c_str());
  } else {
    qCDebug(DeviceLogging, "probe: %s", found.c_str());
  }
  lastProbe_ = found;
}

ProgrammingResult DeviceWorker::Program(const ProgrammingJob& job, std::stop_token stop) {
  if (!TakeLock()) return {ProgrammingCode::ProgrammerInUse};
  emit RunBegun();
  const ProgrammingResult result =
      ProgrammingSequence(job, link_, clock_, *this, std::move(stop)).ProgramUnit();
  lock_.Release();
  emit RunEnded();
  return result;
}

void DeviceWorker::PhaseBegun(RunPhase phase, int slot) {
  qCInfo(RunLogging, "memory %d: %s", slot,
         phase == RunPhase::Writing ? "writing" : "reading back");
  emit RunPhaseBegun(phase, slot);
}

void DeviceWorker::ProgrammerLost() {
  qCInfo(RunLogging, "the programmer could not be opened: it is gone");
  emit RunLostProgrammer();
}

void DeviceWorker::MemoryFinished(int slot, ProgrammingCode code) {
  if (code == ProgrammingCode::Succeeded) {
    qCInfo(RunLogging, "memory %d: written and verified", slot);
  } else {
    qCInfo(RunLogging, "memory %d: failed with code %d", slot, static_cast<int>(code));
  }
}

void DeviceWorker::CloseLinkAndEnd() {
  link_.CloseLink();
  thread()->quit();
}
