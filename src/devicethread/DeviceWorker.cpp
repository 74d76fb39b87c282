#include "devicethread/DeviceWorker.h"

DeviceWorker::DeviceWorker(ProgrammerDriver& driver, Clock& clock)
    : clock_(clock), link_(driver), probe_(link_, status_, *this) {}

// A probe shows the programmer line before it is done with the status: the
// snapshot goes out once the probe has ended.
void DeviceWorker::Probe() {
  probe_.ProbeUnit();
  emit Probed(status_, line_, probe_.ListedProgrammer());
}

void DeviceWorker::ForceProbe() {
  probe_.ForceProbe();
  emit Probed(status_, line_, probe_.ListedProgrammer());
}

void DeviceWorker::Program(const ProgrammingJob& job) {
  emit ProgrammingEnded(ProgrammingSequence(job, link_, clock_, *this).ProgramUnit());
}

void DeviceWorker::CloseLink() {
  link_.CloseLink();
}
