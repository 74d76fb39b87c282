#pragma once

#include <QObject>
#include <array>
#include <cstdint>
#include <functional>

#include "editor/SoundListModel.h"
#include "programmingrun/ProgrammingPlan.h"

class DocumentSignals;
class LastUnitSeen;
class ProfileStore;
class QLabel;
class QProgressBar;
class QStatusBar;
class QTimer;
class SentProfile;
class SoundDecodeChecks;
class UnitStatusHolder;

// How much of the unit the open profile needs and which of its sounds fit:
// the capacity bar, the five status panels, the unit followed as it comes
// and goes (its tabs trimmed to the unit), and what the lists show of the
// fit. Without a unit it measures against the last unit seen, in grey.
class CapacityDisplay : public QObject {
  Q_OBJECT

 public:
  static constexpr int StatusIntervalMs = 1000;

  // It keeps what fits in `fit`, which the lists show.
  CapacityDisplay(DocumentSignals& document, ProfileStore& store, const UnitStatusHolder& unit,
                  const LastUnitSeen& lastUnit, SentProfile& sent, SoundDecodeChecks& soundChecks,
                  UnitFit& fit, QWidget* page);

  QProgressBar* Bar() const { return bar_; }
  void CreatePanels(QStatusBar* bar);
  const UnitFit& Fit() const { return fit_; }
  // The connected unit, else the last one seen, else the absent one.
  const UnitStatus& MeasuringUnit() const;
  // The open profile packed into the unit it is measured against.
  ProgrammingPlan PlanForUnit() const;
  // The bytes that the sounds of the present buttons need on the unit.
  std::int64_t UsedBytes() const;

  // The bar, the count of fitting sounds, why the rest are left out.
  void RefreshCapacity();
  void UpdateStatusBar();
  // The unit's arrival (refresh, then trim) and departure, as the probes
  // store them and each tick of the timer; not while `free` says the lists
  // are in the middle of something (a question open, a Make It Fit under
  // way): the next tick follows then.
  void FollowUnit();
  void FollowUnitWhen(std::function<bool()> free) { free_ = std::move(free); }
  // Hides the tabs the unit lacks.
  void TrimTabsToUnit();
  // Timer1: the unit followed, the status bar rewritten.
  void OnStatusTimer();

 signals:
  // What fits, or why not, has changed: the lists show it.
  void FitChanged();

 private:
  void ShowCapacityPanels(std::int64_t capacity, std::int64_t used);
  void ShowUnitUnknown(std::int64_t used);

  DocumentSignals& document_;
  ProfileStore& store_;
  const UnitStatusHolder& unit_;
  const LastUnitSeen& lastUnit_;
  SentProfile& sent_;
  SoundDecodeChecks& soundChecks_;
  UnitFit& fit_;
  QProgressBar* bar_;
  QStatusBar* panels_ = nullptr;
  std::array<QLabel*, 5> texts_{};
  QTimer* timer_;
  std::function<bool()> free_;
};
