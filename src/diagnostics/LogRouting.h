#pragma once

#include <QString>
#include <QtGlobal>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "diagnostics/LogFileWriter.h"

// Where the program's log goes, for the life of this object, which installs
// itself as Qt's message handler for the whole process. The program's own
// categories (vantora.*) go
//  - to standard error with --debug, and to the file of --log-file: all of it;
//  - to the windows' log file, and to this run's record that the support
//    report shows: what is worth keeping (info and warnings), never the
//    bytes that crossed the link.
// Other categories (Qt's own warnings) go where Qt sent them before.
class LogRouting {
 public:
  LogRouting();
  ~LogRouting();
  LogRouting(const LogRouting&) = delete;
  LogRouting& operator=(const LogRouting&) = delete;

  // --debug: everything on standard error.
  void ShowOnTerminal();
  // --log-file: everything into the file, begun afresh; false, with why,
  // when it cannot be written.
  bool WriteToFile(const QString& path, QString& error);
  // The windows' log file, bounded and rotated; false, with why, when it
  // cannot be written (the program goes on without it).
  bool KeepInBoundedFile(const QString& path, QString& error);
  // Waits until the files hold every line logged so far.
  void FlushFiles();

  // What this run of the program logged that is worth keeping, oldest first.
  std::vector<std::string> Record() const;

 private:
  static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message);
  void Take(QtMsgType type, const char* category, const QString& message);
  // Turns on the levels that somebody listens to.
  void ApplyLevels();

  QtMessageHandler previous_;
  bool debug_ = false;
  bool terminal_ = false;
  std::unique_ptr<LogFileWriter> file_;
  std::unique_ptr<LogFileWriter> boundedFile_;
  mutable std::mutex mutex_;
  std::deque<std::string> record_;
};

// The bound of the windows' log file: it and its older part together.
constexpr std::uint64_t BoundedLogBytes = 1024 * 1024;

// One line of the log: local time to the millisecond, category, and the
// message ("2026-12-07 14:03:05.120 vantora.run: ..."), a warning marked.
std::string LogLine(QtMsgType type, const char* category, const QString& message);
