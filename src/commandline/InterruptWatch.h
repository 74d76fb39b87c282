#pragma once

#include <signal.h>
#include <QObject>
#include <QSocketNotifier>
#include <memory>

// Turns Ctrl+C (SIGINT) into a signal on the event loop while the object
// lives, so that a run can stop between pieces and close the link instead of
// the process ending in the middle of a command. The handler only writes a
// byte into a pipe; everything else happens on the event loop. Before and
// after, Ctrl+C ends the program as usual.
class InterruptWatch : public QObject {
  Q_OBJECT

 public:
  InterruptWatch();
  ~InterruptWatch() override;
  InterruptWatch(const InterruptWatch&) = delete;
  InterruptWatch& operator=(const InterruptWatch&) = delete;

 signals:
  void Interrupted();

 private:
  void TakeInterrupts();

  int pipe_[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> notifier_;
  struct sigaction previous_ {};
};
