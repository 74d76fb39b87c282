#include "devicethread/DeviceThread.h"

#include "devicethread/DeviceWorker.h"

DeviceThread::DeviceThread(ProgrammerDriver& driver, Clock& clock, UnitStatusHolder& unit)
    : unit_(unit), worker_(std::make_unique<DeviceWorker>(driver, clock)) {
  thread_.setObjectName(QStringLiteral("DeviceThread"));
  worker_->moveToThread(&thread_);
  connect(worker_.get(), &DeviceWorker::Probed, this,
          [this](const UnitStatus& status, ProgrammerLine line, const std::string& programmer) {
            unit_.Store(status);
            emit UnitProbed(status, line, programmer);
          });
  connect(worker_.get(), &DeviceWorker::ResultLineCleared, this, &DeviceThread::ResultLineCleared);
  connect(worker_.get(), &DeviceWorker::ProgressChanged, this, &DeviceThread::ProgressChanged);
  connect(worker_.get(), &DeviceWorker::ProgrammerNotFound, this,
          &DeviceThread::ProgrammerNotFound);
  connect(worker_.get(), &DeviceWorker::ProgrammingEnded, this, &DeviceThread::ProgrammingEnded);
  connect(&thread_, &QThread::finished, this, &DeviceThread::Stopped);
  thread_.start();
}

// Queued to the worker's thread, whose event loop serves one at a time.
template <typename Work>
void DeviceThread::Request(Work work) {
  if (stopping_) return;
  QMetaObject::invokeMethod(
      worker_.get(),
      [this, work = std::move(work)] {
        if (!stopping_) work(*worker_);
      },
      Qt::QueuedConnection);
}

DeviceThread::~DeviceThread() {
  Stop();
  thread_.wait();
}

void DeviceThread::RequestProbe() {
  Request([](DeviceWorker& worker) { worker.Probe(); });
}

void DeviceThread::RequestForceProbe() {
  Request([](DeviceWorker& worker) { worker.ForceProbe(); });
}

void DeviceThread::RequestProgramming(ProgrammingJob job) {
  Request([job = std::move(job)](DeviceWorker& worker) { worker.Program(job); });
}

void DeviceThread::Stop() {
  if (stopping_.exchange(true)) return;
  QMetaObject::invokeMethod(
      worker_.get(),
      [this] {
        worker_->CloseLink();
        thread_.quit();
      },
      Qt::QueuedConnection);
}
