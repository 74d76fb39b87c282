#include "devicethread/DeviceThread.h"

#include <QPromise>

#include "devicethread/DeviceWorker.h"

DeviceThread::DeviceThread(ProgrammerDriver& driver, Clock& clock, UnitStatusHolder& unit)
    : unit_(unit), worker_(std::make_unique<DeviceWorker>(driver, clock)) {
  thread_.setObjectName(QStringLiteral("DeviceThread"));
  worker_->moveToThread(&thread_);
  connect(worker_.get(), &DeviceWorker::RunPhaseBegun, this, &DeviceThread::RunPhaseBegun);
  connect(worker_.get(), &DeviceWorker::RunDataSent, this, &DeviceThread::RunDataSent);
  connect(worker_.get(), &DeviceWorker::RunLostProgrammer, this,
          &DeviceThread::RunLostProgrammer);
  connect(&thread_, &QThread::finished, this, &DeviceThread::Stopped);
  thread_.start();
}

// Queued to the worker's thread, whose event loop serves one at a time. The
// result travels back queued as well, after every report the work made, and
// completes the future on this object's thread.
template <typename Result, typename Work>
QFuture<Result> DeviceThread::Request(Work work) {
  auto promise = std::make_shared<QPromise<Result>>();
  promise->start();
  QFuture<Result> future = promise->future();
  if (stopping_) return future;  // the promise goes: cancelled
  QMetaObject::invokeMethod(
      worker_.get(),
      [this, work = std::move(work), promise] {
        if (stopping_) return;
        Result result = work(*worker_);
        QMetaObject::invokeMethod(
            this,
            [promise, result = std::move(result)] {
              promise->addResult(result);
              promise->finish();
            },
            Qt::QueuedConnection);
      },
      Qt::QueuedConnection);
  return future;
}

DeviceThread::~DeviceThread() {
  Stop();
  thread_.wait();
}

QFuture<ProbeReport> DeviceThread::RequestProbeReport(bool force) {
  return Request<ProbeReport>([force](DeviceWorker& worker) {
           return force ? worker.ForceProbe() : worker.Probe();
         })
      .then(this, [this](const ProbeReport& report) {
        unit_.Store(report.Status);
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
    const std::lock_guard lock(runStopMutex_);
    runStop_ = std::stop_source();
    stop = runStop_.get_token();
  }
  return Request<ProgrammingResult>(
      [job = std::move(job), stop = std::move(stop)](DeviceWorker& worker) {
        return worker.Program(job, stop);
      });
}

void DeviceThread::StopProgramming() {
  const std::lock_guard lock(runStopMutex_);
  runStop_.request_stop();
}

void DeviceThread::Stop() {
  if (stopping_.exchange(true)) return;
  StopProgramming();
  QMetaObject::invokeMethod(
      worker_.get(),
      [this] {
        worker_->CloseLink();
        thread_.quit();
      },
      Qt::QueuedConnection);
}
