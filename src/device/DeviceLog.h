#pragma once

#include <string_view>

// How much a log message matters: the traffic itself, a change worth keeping,
// something that went wrong.
enum class LogLevel { Debug, Info, Warning };

// Where the device layer tells what it does. The front ends keep the messages
// in their log; a level that no one listens to costs a question, nothing more.
class DeviceLog {
 public:
  virtual ~DeviceLog() = default;
  virtual bool Wants(LogLevel level) const = 0;
  virtual void Write(LogLevel level, std::string_view message) = 0;
};
