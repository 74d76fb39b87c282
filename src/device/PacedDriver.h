#pragma once

#include <chrono>
#include <cstdint>
#include <memory>

#include "device/Clock.h"
#include "device/ForwardingDriver.h"

// The pace of the programmer's USB cable: the bytes at about 1 MB/s, and
// about a millisecond for each request to reach the unit and for each answer
// to come back (a USB frame, the chip's latency timer).
constexpr double CableBytesPerSecond = 1'000'000;
constexpr std::chrono::microseconds CableTurnaround{1000};

// Passes every call on to another driver, but takes the time the call takes
// on the cable, waiting through the clock: each write, and each control
// request (open, purge, close), costs a turnaround; the first read after them
// costs one more, for the answer; every byte costs its time on the wire.
// Reads that follow reads collect bytes already on their way. The cable's
// time runs on a deadline of its own, so that sleeps that end late, or a host
// that is slow for a moment, do not add up over thousands of calls.
class PacedDriver : public ForwardingDriver {
 public:
  PacedDriver(ProgrammerDriver& inner, Clock& clock) : ForwardingDriver(inner), clock_(clock) {}

  DriverStatus Open(const std::string& description, DeviceHandle& handle) override;
  DriverStatus Close(DeviceHandle handle) override;
  DriverStatus Purge(DeviceHandle handle) override;
  DriverStatus Write(DeviceHandle handle, std::span<const std::uint8_t> data,
                     std::size_t& written) override;
  DriverStatus Read(DeviceHandle handle, std::span<std::uint8_t> buffer,
                    std::chrono::milliseconds timeout, std::size_t& received) override;

 private:
  void Request(std::size_t bytes);
  void Take(std::chrono::microseconds time);

  Clock& clock_;
  bool answering_ = false;  // the last call was a read
  std::chrono::microseconds freeAt_{0};  // on the clock's time line
};

// The programmer of the program's --simulate mode: the standard simulated
// unit behind a cable of a real programmer's pace, so that a run of 2 MiB
// takes seconds and its progress and STOP can be watched.
std::unique_ptr<ProgrammerDriver> SimulatedProgrammerAtCablePace(Clock& clock);
