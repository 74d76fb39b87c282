#include "diagnostics/CategoryDeviceLog.h"

#include "diagnostics/LogCategories.h"

namespace {

QtMsgType TypeOf(LogLevel level) {
  switch (level) {
    case LogLevel::Debug:
      return QtDebugMsg;
    case LogLevel::Info:
      return QtInfoMsg;
    case LogLevel::Warning:
      break;
  }
  return QtWarningMsg;
}

}  // namespace

bool CategoryDeviceLog::Wants(LogLevel level) const {
  return DeviceLogging().isEnabled(TypeOf(level));
}

void CategoryDeviceLog::Write(LogLevel level, std::string_view message) {
  if (!Wants(level)) return;
  const QMessageLogger logger(nullptr, 0, nullptr, DeviceLogging().categoryName());
  const int length = static_cast<int>(message.size());
  switch (level) {
    case LogLevel::Debug:
      return logger.debug("%.*s", length, message.data());
    case LogLevel::Info:
      return logger.info("%.*s", length, message.data());
    case LogLevel::Warning:
      return logger.warning("%.*s", length, message.data());
  }
}
