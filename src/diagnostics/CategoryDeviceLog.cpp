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
  // Straight to Qt's message handler: a busy link logs thousands of lines a
  // second, and the text needs no formatting.
  const QMessageLogContext context(nullptr, 0, nullptr, DeviceLogging().categoryName());
  qt_message_output(TypeOf(level), context,
                    QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
}
