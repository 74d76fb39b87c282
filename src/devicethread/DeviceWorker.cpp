#include "devicethread/DeviceWorker.h"

#include <QThread>

DeviceWorker::DeviceWorker(ProgrammerDriver& driver, Clock& clock, std::function<void()> serveNext)
    : clock_(clock), serveNext_(std::move(serveNext)), link_(driver), probe_(link_, status_) {}

ProbeReport DeviceWorker::Probe() {
  probe_.ProbeUnit();
  return {status_, probe_.ListedProgrammer()};
}

ProbeReport DeviceWorker::ForceProbe() {
  probe_.ForceProbe();
  return {status_, probe_.ListedProgrammer()};
}

ProgrammingResult DeviceWorker::Program(const ProgrammingJob& job, std::stop_token stop) {
  return ProgrammingSequence(job, link_, clock_, *this, std::move(stop)).ProgramUnit();
}

void DeviceWorker::CloseLinkAndEnd() {
  link_.CloseLink();
  thread()->quit();
}
