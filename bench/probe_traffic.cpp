// Link traffic of the unit probe: a tick while the unit is present, and a
// full probe, counted on the simulated unit.
#include <cstdio>

#include "device/DeviceLink.h"
#include "device/SimulatedUnit.h"
#include "device/UnitProbe.h"

namespace {

std::size_t BytesIn(const std::vector<std::vector<std::uint8_t>>& writes) {
  std::size_t total = 0;
  for (const auto& write : writes) total += write.size();
  return total;
}

void Report(const char* what, const SimulatedTraffic& traffic, std::size_t bytesBack) {
  std::printf("%-28s device-list calls %d, exchanges %d (bytes out %zu, bytes back %zu)\n", what,
              traffic.ListCalls, traffic.WriteCalls, BytesIn(traffic.Writes), bytesBack);
}

}  // namespace

int main() {
  auto unit = SimulatedUnit::StandardUnit();
  DeviceLink link(*unit);
  UnitStatus status;
  UnitProbe probe(link, status);

  probe.ProbeUnit();
  // Every answer of the full probe: eight slot answers, the version, the buttons.
  Report("full probe:", unit->Traffic(), 8 * 7 + 7 + 4);

  unit->ClearTraffic();
  probe.ProbeUnit();
  Report("tick with unit present:", unit->Traffic(), 0);
  return 0;
}
