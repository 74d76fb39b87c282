#pragma once

#include <QEventLoop>
#include <QFuture>
#include <QFutureWatcher>
#include <QTimer>
#include <chrono>
#include <stdexcept>
#include <string>

// Waits, running the event loop, for a request of the device thread to
// complete; never longer than its patience without a sign of life. A wait
// that runs out, or a request dropped unanswered, is an error.
class ResultWait {
 public:
  explicit ResultWait(std::chrono::milliseconds patience) {
    deadline_.setSingleShot(true);
    deadline_.setInterval(patience);
    QObject::connect(&deadline_, &QTimer::timeout, &loop_, &QEventLoop::quit);
  }

  // The awaited work showed progress: the patience starts again from now.
  void Extend() { deadline_.start(); }

  template <typename Result>
  Result For(QFuture<Result> future, const std::string& what) {
    QFutureWatcher<Result> watcher;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop_, &QEventLoop::quit);
    watcher.setFuture(future);
    deadline_.start();
    while (!future.isFinished() && deadline_.isActive()) loop_.exec();
    if (!future.isFinished()) throw std::runtime_error(what + " did not answer in time");
    if (future.isCanceled()) throw std::runtime_error(what + " was not served");
    return future.result();
  }

 private:
  QEventLoop loop_;
  QTimer deadline_;
};
