#include "diagnostics/LogRouting.h"

#include <QLoggingCategory>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <iostream>

#include "diagnostics/LogCategories.h"

namespace {

// The routing in charge of the process's messages.
std::atomic<LogRouting*> active{nullptr};
// How many lines the record keeps: the last runs of a long session.
constexpr std::size_t RecordLines = 5000;

bool IsOurs(const char* category) {
  return category != nullptr &&
         std::strncmp(category, ProgramCategoryPrefix, sizeof ProgramCategoryPrefix - 1) == 0;
}

}  // namespace

std::string LogLine(QtMsgType type, const char* category, const QString& message) {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto milliseconds =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  // A busy link logs thousands of lines a second: the date and time are
  // written once a second.
  thread_local std::time_t second = -1;
  thread_local char dateAndTime[32];
  if (seconds != second) {
    std::tm local{};
    localtime_r(&seconds, &local);
    std::strftime(dateAndTime, sizeof dateAndTime, "%Y-%m-%d %H:%M:%S", &local);
    second = seconds;
  }
  char time[40];
  std::snprintf(time, sizeof time, "%s.%03d ", dateAndTime, static_cast<int>(milliseconds));
  const char* mark = type == QtWarningMsg                          ? "warning: "
                     : type == QtCriticalMsg || type == QtFatalMsg ? "error: "
                                                                   : "";
  return time + std::string(category) + ": " + mark + message.toStdString() + "\n";
}

LogRouting::LogRouting() {
  previous_ = qInstallMessageHandler(&LogRouting::Handle);
  active = this;
  ApplyLevels();
}

LogRouting::~LogRouting() {
  active = nullptr;
  qInstallMessageHandler(previous_);
  QLoggingCategory::setFilterRules(QString());
}

void LogRouting::ShowOnTerminal() {
  {
    const std::lock_guard lock(mutex_);
    terminal_ = true;
  }
  debug_ = true;
  ApplyLevels();
}

bool LogRouting::WriteToFile(const QString& path, QString& error) {
  auto file = std::make_unique<LogFileWriter>(path.toStdString(), LogFileWriter::Start::Afresh);
  if (!file->IsOpen()) {
    error = QString::fromStdString(file->Error());
    return false;
  }
  {
    const std::lock_guard lock(mutex_);
    file_ = std::move(file);
  }
  debug_ = true;
  ApplyLevels();
  return true;
}

bool LogRouting::KeepInBoundedFile(const QString& path, QString& error) {
  auto file = std::make_unique<LogFileWriter>(path.toStdString(), LogFileWriter::Start::After,
                                              BoundedLogBytes);
  if (!file->IsOpen()) {
    error = QString::fromStdString(file->Error());
    return false;
  }
  const std::lock_guard lock(mutex_);
  boundedFile_ = std::move(file);
  return true;
}

void LogRouting::FlushFiles() {
  const std::lock_guard lock(mutex_);
  if (file_) file_->Flush();
  if (boundedFile_) boundedFile_->Flush();
}

std::vector<std::string> LogRouting::Record() const {
  const std::lock_guard lock(mutex_);
  return {record_.begin(), record_.end()};
}

void LogRouting::Handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  LogRouting* routing = active;
  if (routing == nullptr) return;
  if (IsOurs(context.category)) {
    routing->Take(type, context.category, message);
  } else if (routing->previous_ != nullptr) {
    routing->previous_(type, context, message);
  }
}

void LogRouting::Take(QtMsgType type, const char* category, const QString& message) {
  const std::string line = LogLine(type, category, message);
  const std::lock_guard lock(mutex_);
  // std::cerr, not stderr: the libraries' own notes are sent nowhere through
  // the C library's standard error.
  if (terminal_) std::cerr << line << std::flush;
  if (file_) file_->Append(line);
  if (type == QtDebugMsg) return;
  if (boundedFile_) boundedFile_->Append(line);
  record_.push_back(line);
  if (record_.size() > RecordLines) record_.pop_front();
}

void LogRouting::ApplyLevels() {
  QLoggingCategory::setFilterRules(debug_ ? QStringLiteral("vantora.*.info=true\n"
                                                           "vantora.*.debug=true")
                                          : QStringLiteral("vantora.*.info=true"));
}
