#pragma once

#include <QObject>
#include <optional>

#include "device/UnitStatus.h"
#include "devicethread/UnitStatusHolder.h"

// The last unit seen connected, kept while it is away: what a profile is
// measured against when no unit is connected. It follows every probe.
class LastUnitSeen : public QObject {
  Q_OBJECT

 public:
  // `remembered`: the unit seen before this run of the program, if any.
  LastUnitSeen(const UnitStatusHolder& holder, std::optional<UnitStatus> remembered,
               QObject* parent = nullptr);

  const std::optional<UnitStatus>& Unit() const { return unit_; }
  // The connected unit, else the last one seen, else the absent one.
  const UnitStatus& Measuring() const;

 signals:
  // A unit other than the last one seen was seen.
  void Changed();

 private:
  void Follow();

  const UnitStatusHolder& holder_;
  std::optional<UnitStatus> unit_;
};

// Whether two units take a profile differently: their memories, buttons or
// software.
bool DiffersForFitting(const UnitStatus& one, const UnitStatus& other);
