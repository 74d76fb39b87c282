#pragma once

#include "device/DeviceLog.h"

// The device layer's log in the category vantora.device.
class CategoryDeviceLog final : public DeviceLog {
 public:
  bool Wants(LogLevel level) const override;
  void Write(LogLevel level, std::string_view message) override;
};
