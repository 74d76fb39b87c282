#include "commandline/InterruptWatch.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>

namespace {

// The write end of the pipe of the watch in place; a handler may touch
// nothing but a lock-free atomic and write().
std::atomic<int> interruptPipe = -1;

void OnInterrupt(int) {
  const int savedErrno = errno;
  const int descriptor = interruptPipe.load();
  if (descriptor >= 0) {
    const char byte = 1;
    // A full pipe already holds an interrupt to be noticed.
    [[maybe_unused]] const ssize_t written = ::write(descriptor, &byte, 1);
  }
  errno = savedErrno;
}

}  // namespace

InterruptWatch::InterruptWatch() {
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, &InterruptWatch::TakeInterrupts);
  interruptPipe = pipe_[1];
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  // A read or write of the link that the signal cuts short is started again.
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGINT, &action, &previous_);
}

InterruptWatch::~InterruptWatch() {
  if (!notifier_) return;
  ::sigaction(SIGINT, &previous_, nullptr);
  interruptPipe = -1;
  notifier_.reset();
  ::close(pipe_[0]);
  ::close(pipe_[1]);
}

void InterruptWatch::TakeInterrupts() {
  std::array<char, 16> bytes;
  bool interrupted = false;
  while (::read(pipe_[0], bytes.data(), bytes.size()) > 0) interrupted = true;
  if (interrupted) emit Interrupted();
}
