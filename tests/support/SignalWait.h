#pragma once

#include <QSignalSpy>

// Runs the event loop until the spy has seen `count` signals in all, or a
// generous time-out has passed without one; false then.
inline bool Arrived(QSignalSpy& spy, int count = 1) {
  while (spy.count() < count) {
    if (!spy.wait(10000)) return false;
  }
  return true;
}
