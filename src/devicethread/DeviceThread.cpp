#include "devicethread/DeviceThread.h"

#include <QPromise>
#include <optional>

#include "devicethread/DeviceWorker.h"

DeviceThread::DeviceThread(ProgrammerDriver& driver, Clock& clock, UnitStatusHolder& unit,
                           const std::string& lockPath, std::chrono::milliseconds lockPatience)
    : unit_(unit),
      worker_(std::make_unique<DeviceWorker>(driver, clock, lockPath, lockPatience,
                                             [this] { ServeNext(); })) {
  thread_.setObjectName(QStringLiteral("DeviceThread"));
  worker_->moveToThread(&thread_);
  connect(worker_.get(), &DeviceWorker::RunBegun, this, &DeviceThread::RunBegun);
  connect(worker_.get(), &DeviceWorker::RunEnded, this, &DeviceThread::RunEnded);
  connect(worker_.get(), &DeviceWorker::RunPhaseBegun, this, &DeviceThread::RunPhaseBegun);
  connect(worker_.get(), &DeviceWorker::RunBytesMoved, this, &DeviceThread::RunBytesMoved);
  connect(worker_.get(), &DeviceWorker::WaitingForProgrammer, this,
          &DeviceThread::WaitingForProgrammer);
  connect(worker_.get(), &DeviceWorker::RunLostProgrammer, this,
          &DeviceThread::RunLostProgrammer);
  connect(&thread_, &QThread::finished, this, &DeviceThread::Stopped);
  thread_.start();
}

DeviceThread::~DeviceThread() {
  Stop();
  thread_.wait();
}

// The work runs on the device thread; its result comes back to this object's
// thread after every report the work made, and completes the future there,
// where the promise was made and where it goes, answered or dropped.
template <typename Result, typename Work>
QFuture<Result> DeviceThread::Request(Work work) {
  auto promise = std::make_shared<QPromise<Result>>();
  promise->start();
  QFuture<Result> future = promise->future();
  if (stopping_) return future;  // the promise goes: cancelled
  Step request = [this, work = std::move(work), promise = std::move(promise)]() mutable {
    std::optional<Result> result;
    if (!stopping_) result = work(*worker_);
    Step completion = [promise = std::move(promise), result = std::move(result)] {
      if (!result) return;
      promise->addResult(*result);
      promise->finish();
    };
    {
      const std::lock_guard lock(queues_);
      finished_.push_back(std::move(completion));
    }
    QMetaObject::invokeMethod(this, "DeliverFinished", Qt::QueuedConnection);
  };
  {
    const std::lock_guard lock(queues_);
    requests_.push_back(std::move(request));
  }
  QMetaObject::invokeMethod(worker_.get(), "ServeNext", Qt::QueuedConnection);
  return future;
}

void DeviceThread::ServeNext() {
  Step request;
  {
    const std::lock_guard lock(queues_);
    if (requests_.empty()) return;
    request = std::move(requests_.front());
    requests_.pop_front();
  }
  request();
}

void DeviceThread::DeliverFinished() {
  Step completion;
  {
    const std::lock_guard lock(queues_);
    if (finished_.empty()) return;
    completion = std::move(finished_.front());
    finished_.pop_front();
  }
  completion();
}

QFuture<ProbeReport> DeviceThread::RequestProbeReport(bool force) {
  return Request<ProbeReport>([force](DeviceWorker& worker) { return worker.Probe(force); })
      .then(this, [this](const ProbeReport& report) {
        // A probe that skipped its turn reports the status as it was.
        if (report.ProgrammerInUse) emit ProgrammerInUse();
        unit_.Store(report);
        return report;
      });
}

QFuture<ProbeReport> DeviceThread::RequestProbe() {
  return RequestProbeReport(false);
}

QFuture<ProbeReport> DeviceThread::RequestForceProbe() {
  return RequestProbeReport(true);
}

QFuture<ProgrammingResult> DeviceThread::RequestProgramming(ProgrammingJob job) {
  std::stop_token stop;
  {
    const std::lock_guard lock(queues_);
    runStop_ = std::stop_source();
    stop = runStop_.get_token();
  }
  return Request<ProgrammingResult>(
      [job = std::move(job), stop = std::move(stop)](DeviceWorker& worker) {
        return worker.Program(job, stop);
      });
}

void DeviceThread::StopProgramming() {
  const std::lock_guard lock(queues_);
  runStop_.request_stop();
}

void DeviceThread::Stop() {
  if (stopping_.exchange(true)) return;
  StopProgramming();
  QMetaObject::invokeMethod(worker_.get(), "CloseLinkAndEnd", Qt::QueuedConnection);
}
