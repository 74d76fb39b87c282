#include "diagnostics/LogFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::chrono::milliseconds GatheringTime{20};

int OpenForAppending(const std::string& path, bool afresh) {
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | (afresh ? O_TRUNC : 0),
                S_IRUSR | S_IWUSR);
}

void WriteAll(int descriptor, const std::string& bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t written = ::write(descriptor, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    // A full disk loses the log, never the program's work.
    if (written <= 0) return;
    done += static_cast<std::size_t>(written);
  }
}

}  // namespace

LogFileWriter::LogFileWriter(std::string path, Start start, std::optional<std::uint64_t> bound)
    : path_(std::move(path)) {
  if (bound) halfBound_ = *bound / 2;
  descriptor_ = OpenForAppending(path_, start == Start::Afresh);
  if (descriptor_ < 0) {
    error_ = std::strerror(errno);
    return;
  }
  opened_ = true;
  struct stat file {};
  if (::fstat(descriptor_, &file) == 0) size_ = static_cast<std::uint64_t>(file.st_size);
  thread_ = std::thread([this] { WriteLines(); });
}

LogFileWriter::~LogFileWriter() {
  {
    const std::lock_guard lock(mutex_);
    ending_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
  if (descriptor_ >= 0) ::close(descriptor_);
}

void LogFileWriter::Append(std::string line) {
  if (!IsOpen()) return;
  bool first = false;
  {
    const std::lock_guard lock(mutex_);
    first = waiting_.empty();
    waiting_.push_back(std::move(line));
    ++taken_;
  }
  // The writer wakes for the first line; it gathers the rest itself.
  if (first) changed_.notify_all();
}

void LogFileWriter::Flush() {
  std::unique_lock lock(mutex_);
  const std::uint64_t target = taken_;
  ++flushing_;
  changed_.notify_all();
  changed_.wait(lock, [&] { return written_ >= target || !thread_.joinable(); });
  --flushing_;
}

void LogFileWriter::WriteLines() {
  std::unique_lock lock(mutex_);
  while (true) {
    changed_.wait(lock, [this] { return ending_ || !waiting_.empty(); });
    if (waiting_.empty() && ending_) return;
    // Lines come in bursts (a run logs thousands a second): a moment's wait
    // gathers them into one write, unless someone waits for them.
    changed_.wait_for(lock, GatheringTime, [this] { return ending_ || flushing_ > 0; });
    std::vector<std::string> lines;
    lines.swap(waiting_);
    lock.unlock();
    Write(lines);
    lock.lock();
    written_ += lines.size();
    changed_.notify_all();
  }
}

// The lines go out in as few writes as the rotations allow.
void LogFileWriter::Write(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    // A line longer than half the bound keeps only its beginning.
    std::string_view kept = line;
    std::string cut;
    if (halfBound_ && line.size() > *halfBound_) {
      cut = line.substr(0, *halfBound_ - 1) + "\n";
      kept = cut;
    }
    if (halfBound_ && size_ + bytes.size() + kept.size() > *halfBound_) {
      WriteAll(descriptor_, bytes);
      bytes.clear();
      Rotate();
    }
    bytes += kept;
  }
  WriteAll(descriptor_, bytes);
  size_ += bytes.size();
}

void LogFileWriter::Rotate() {
  size_ = 0;
  ::close(descriptor_);
  std::rename(path_.c_str(), RotatedPath().c_str());
  descriptor_ = OpenForAppending(path_, true);
  // Without a file the lines go nowhere until the next rotation tries again.
  if (descriptor_ < 0) descriptor_ = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
}
