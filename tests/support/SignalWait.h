#pragma once

#include <QFuture>
#include <QFutureWatcher>
#include <QSignalSpy>

// Runs the event loop until the spy has seen `count` signals in all, or a
// generous time-out has passed without one; false then.
inline bool Arrived(QSignalSpy& spy, int count = 1) {
  while (spy.count() < count) {
    if (!spy.wait(10000)) return false;
  }
  return true;
}

// Runs the event loop until the future has completed, or a generous time-out
// has passed; false then.
template <typename Result>
bool Completed(const QFuture<Result>& future) {
  if (future.isFinished()) return true;
  QFutureWatcher<Result> watcher;
  QSignalSpy finished(&watcher, &QFutureWatcherBase::finished);
  watcher.setFuture(future);
  return future.isFinished() || finished.wait(10000);
}
