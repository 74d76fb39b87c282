#include "programming/ProgrammingRun.h"

ProgrammingRun::ProgrammingRun(DeviceLink& link, Clock& clock) : link_(link), clock_(clock) {}

ProgrammingRun::~ProgrammingRun() {
  if (worker_.joinable()) worker_.join();
}

void ProgrammingRun::Start(ProgrammingJob job) {
  job_ = std::move(job);
  inputHold_.Hold();
  worker_ = std::thread([this] {
    const ProgrammingResult result = ProgrammingSequence(job_, link_, clock_, *this).ProgramUnit();
    // Queued behind the reports the run has sent.
    QMetaObject::invokeMethod(
        this, [this, result] { Finish(result); }, Qt::QueuedConnection);
  });
}

void ProgrammingRun::Finish(const ProgrammingResult& result) {
  worker_.join();
  inputHold_.Release();
  emit Ended(result.Code, QString::fromStdString(result.ErrorText));
}
