#pragma once

#include <atomic>
#include <exception>
#include <functional>

// Thrown where work stops because its caller set the cancel flag; whatever the
// work had written is gone by then.
class WorkCancelled : public std::exception {
 public:
  const char* what() const noexcept override { return "cancelled"; }
};

// How long work tells its caller how far it got, and learns that it should
// stop. Both are used on the thread that does the work.
struct WorkControl {
  // The fraction done, from 0 to 1.
  std::function<void(double)> Progress;
  // Read between pieces of the work.
  const std::atomic<bool>* Cancel = nullptr;

  void Report(double fraction) const {
    if (Progress) Progress(fraction);
  }
  void StopIfCancelled() const {
    if (Cancel != nullptr && Cancel->load()) throw WorkCancelled();
  }
  // The same control for a stretch [from, to] of the whole work.
  WorkControl Stretch(double from, double to) const {
    WorkControl part{nullptr, Cancel};
    if (Progress) {
      part.Progress = [progress = Progress, from, to](double fraction) {
        progress(from + fraction * (to - from));
      };
    }
    return part;
  }
};
