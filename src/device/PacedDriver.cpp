#include "device/PacedDriver.h"

#include "device/SimulatedUnit.h"

namespace {

// Lagging further behind than this, the cable was idle, not late.
constexpr std::chrono::milliseconds IdleAfter{100};

std::chrono::microseconds WireTime(std::size_t bytes) {
  return std::chrono::microseconds(
      static_cast<std::int64_t>(static_cast<double>(bytes) * 1e6 / CableBytesPerSecond));
}

// Owns the unit that it paces.
class PacedSimulatedUnit final : public PacedDriver {
 public:
  PacedSimulatedUnit(std::unique_ptr<SimulatedUnit> unit, Clock& clock)
      : PacedDriver(*unit, clock), unit_(std::move(unit)) {}

 private:
  std::unique_ptr<SimulatedUnit> unit_;
};

}  // namespace

DriverStatus PacedDriver::Open(const std::string& description, DeviceHandle& handle) {
  Request(0);
  return inner_.Open(description, handle);
}

DriverStatus PacedDriver::Close(DeviceHandle handle) {
  Request(0);
  return inner_.Close(handle);
}

DriverStatus PacedDriver::Purge(DeviceHandle handle) {
  Request(0);
  return inner_.Purge(handle);
}

DriverStatus PacedDriver::Write(DeviceHandle handle, std::span<const std::uint8_t> data,
                                std::size_t& written) {
  const DriverStatus status = inner_.Write(handle, data, written);
  Request(written);
  return status;
}

DriverStatus PacedDriver::Read(DeviceHandle handle, std::span<std::uint8_t> buffer,
                               std::chrono::milliseconds timeout, std::size_t& received) {
  const DriverStatus status = inner_.Read(handle, buffer, timeout, received);
  Take((answering_ ? std::chrono::microseconds(0) : CableTurnaround) + WireTime(received));
  answering_ = true;
  return status;
}

void PacedDriver::Request(std::size_t bytes) {
  answering_ = false;
  Take(CableTurnaround + WireTime(bytes));
}

void PacedDriver::Take(std::chrono::microseconds time) {
  const std::chrono::microseconds now = std::chrono::milliseconds(clock_.NowMilliseconds());
  if (freeAt_ < now - IdleAfter) freeAt_ = now;
  freeAt_ += time;
  const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(freeAt_ - now);
  if (wait.count() > 0) clock_.Sleep(wait);
}

std::unique_ptr<ProgrammerDriver> SimulatedProgrammerAtCablePace(Clock& clock) {
  return std::make_unique<PacedSimulatedUnit>(SimulatedUnit::StandardUnit(), clock);
}
