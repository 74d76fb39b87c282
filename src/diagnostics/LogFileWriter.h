#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// Appends lines to a log file on a thread of its own, so that whoever logs
// never waits for the disk; lines that come in a burst go out in one write. With a bound, the file is rotated before a line
// would take it past half the bound: it becomes FILE.1, replacing the one
// before, and FILE starts afresh; so the two together never pass the bound,
// and the older one always holds what came just before.
class LogFileWriter {
 public:
  enum class Start { Afresh, After };

  // Opens the file now: Error() says why when it could not be.
  LogFileWriter(std::string path, Start start, std::optional<std::uint64_t> bound = std::nullopt);
  // Writes what is left, then ends the thread.
  ~LogFileWriter();
  LogFileWriter(const LogFileWriter&) = delete;
  LogFileWriter& operator=(const LogFileWriter&) = delete;

  bool IsOpen() const { return opened_; }
  const std::string& Error() const { return error_; }
  const std::string& Path() const { return path_; }
  // The older file of a bounded log.
  std::string RotatedPath() const { return path_ + ".1"; }

  // Takes a line (ending in "\n") without waiting.
  void Append(std::string line);
  // Waits until every line taken so far is in the file.
  void Flush();

 private:
  void WriteLines();
  void Write(const std::vector<std::string>& lines);
  void Rotate();

  std::string path_;
  std::optional<std::uint64_t> halfBound_;
  std::string error_;
  bool opened_ = false;
  int descriptor_ = -1;  // the writing thread's
  std::uint64_t size_ = 0;

  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::string> waiting_;
  std::uint64_t taken_ = 0;    // lines taken so far
  std::uint64_t written_ = 0;  // of them, lines in the file
  int flushing_ = 0;  // how many wait in Flush
  bool ending_ = false;
  std::thread thread_;
};
