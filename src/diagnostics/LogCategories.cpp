#include "diagnostics/LogCategories.h"

Q_LOGGING_CATEGORY(DeviceLogging, "vantora.device", QtWarningMsg)
Q_LOGGING_CATEGORY(RunLogging, "vantora.run", QtWarningMsg)
Q_LOGGING_CATEGORY(ProfilesLogging, "vantora.profiles", QtWarningMsg)
Q_LOGGING_CATEGORY(SoundLogging, "vantora.sound", QtWarningMsg)
Q_LOGGING_CATEGORY(AppLogging, "vantora.app", QtWarningMsg)
