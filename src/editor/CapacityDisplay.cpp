#include "editor/CapacityDisplay.h"

#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

#include "devicethread/LastUnitSeen.h"
#include "devicethread/UnitStatusHolder.h"
#include "editor/DocumentSignals.h"
#include "editor/StatusPanel.h"
#include "formatting/NumberFormat.h"
#include "profiles/ProfileStore.h"
#include "programmingrun/RunTexts.h"
#include "programmingrun/SentProfile.h"
#include "programmingrun/SoundDecodeChecks.h"
#include "widgets/StatusText.h"

namespace {

QString Grouped(std::int64_t number) {
  return QString::fromStdString(GroupedNumber(number));
}

}  // namespace

CapacityDisplay::CapacityDisplay(DocumentSignals& document, ProfileStore& store,
                                 const UnitStatusHolder& unit, const LastUnitSeen& lastUnit,
                                 SentProfile& sent, SoundDecodeChecks& soundChecks, UnitFit& fit,
                                 QWidget* page)
    : QObject(page),
      document_(document),
      store_(store),
      unit_(unit),
      lastUnit_(lastUnit),
      sent_(sent),
      soundChecks_(soundChecks),
      fit_(fit),
      bar_(new QProgressBar(page)),
      timer_(new QTimer(this)) {
  bar_->setObjectName(QStringLiteral("ProgressBar1"));
  bar_->setRange(0, 100);
  bar_->setValue(0);
  bar_->setTextVisible(false);
  connect(&document_, &DocumentSignals::ListsChanged, this, &CapacityDisplay::RefreshCapacity);
  connect(&unit_, &UnitStatusHolder::Stored, this, &CapacityDisplay::OnStatusTimer);
  timer_->setObjectName(QStringLiteral("Timer1"));
  timer_->setInterval(StatusIntervalMs);
  connect(timer_, &QTimer::timeout, this, &CapacityDisplay::OnStatusTimer);
  timer_->start();
}

void CapacityDisplay::CreatePanels(QStatusBar* bar) {
  panels_ = bar;
  panels_->setObjectName(QStringLiteral("StatusBar1"));
  const std::array<QString, 5> texts{
      tr("Disconnected"), tr("Size : %1").arg(Grouped(0)), tr("Used : %1").arg(Grouped(0)),
      tr("Remaining : %1").arg(Grouped(0)), tr("Profile On Vantora : %1").arg(tr("None"))};
  // Room for the numbers of a unit of a few MB, and for a profile name of
  // some 16 characters: the last panel takes the rest of the bar up to the
  // window's right edge, and a longer name elides when the window is narrow.
  const QString fewMegabytes = Grouped(8'888'888);
  const std::array<QString, 5> usualTexts{
      tr("Disconnected"), tr("Size : %1").arg(fewMegabytes), tr("Used : %1").arg(fewMegabytes),
      tr("Remaining : %1").arg(fewMegabytes),
      tr("Profile On Vantora : %1").arg(QString(16, QLatin1Char('n')))};
  for (std::size_t panel = 0; panel < texts_.size(); ++panel) {
    const bool last = panel + 1 == texts_.size();
    auto* label =
        new StatusPanel(texts[panel], usualTexts[panel],
                        last ? StatusPanel::Longer::Elides : StatusPanel::Longer::Widens, panels_);
    label->setObjectName(QStringLiteral("StatusPanel%1").arg(panel));
    panels_->addWidget(label, last ? 1 : 0);
    texts_[panel] = label;
  }
}

const UnitStatus& CapacityDisplay::MeasuringUnit() const {
  return lastUnit_.Measuring();
}

std::int64_t CapacityDisplay::UsedBytes() const {
  std::int64_t used = 0;
  for (const ButtonSlot& button : document_.Document().Lists().Buttons) {
    if (!button.Present) continue;
    for (const SoundEntry& sound : button.Sounds) used += sound.Need();
  }
  return used;
}

ProgrammingPlan CapacityDisplay::PlanForUnit() const {
  return PlanProgramming(store_.Selection().CurrentProfileName(), document_.Document().Lists(),
                         NoProfileId, MeasuringUnit());
}

void CapacityDisplay::RefreshCapacity() {
  const std::int64_t capacity = MeasuringUnit().TotalCapacity();
  const std::int64_t used = UsedBytes();
  const std::int64_t percent = capacity > 0 ? used * 100 / capacity : 0;
  bar_->setValue(static_cast<int>(std::clamp<std::int64_t>(percent, 0, 100)));
  // Greyed while it measures against a unit that is not there.
  bar_->setEnabled(unit_.Status().UnitPresent);
  // The packing the programming run will use: the rows that fit are those it writes.
  ProgrammingPlan plan = PlanForUnit();
  fit_.UnitKnown = fit_.UnitConnected || lastUnit_.Unit().has_value();
  fit_.FittingSoundCount = fit_.UnitKnown ? static_cast<int>(plan.FittingCount()) : 0;
  fit_.Plan = std::move(plan);
  if (panels_) ShowCapacityPanels(capacity, used);
  // Sounds that entered without the decoder's check get it now.
  soundChecks_.CheckInBackground(document_.Document().Lists());
  emit FitChanged();
}

void CapacityDisplay::ShowCapacityPanels(std::int64_t capacity, std::int64_t used) {
  if (!unit_.Status().UnitPresent && !lastUnit_.Unit()) {
    ShowUnitUnknown(used);
    return;
  }
  const bool connected = unit_.Status().UnitPresent;
  texts_[1]->setText((connected ? tr("Size : %1") : tr("Last unit: %1")).arg(Grouped(capacity)));
  texts_[2]->setText(tr("Used : %1").arg(Grouped(used)));
  QLabel* remaining = texts_[3];
  // Grey: what a unit that is not there would hold.
  texts_[1]->setEnabled(connected);
  remaining->setEnabled(connected);
  const bool over = used > capacity;
  QPalette palette = panels_->palette();
  if (over) palette.setColor(QPalette::WindowText, FailureColour);
  remaining->setPalette(palette);
  remaining->setText(over ? tr("Over by %1").arg(Grouped(used - capacity))
                          : tr("Remaining : %1").arg(Grouped(capacity - used)));
}

void CapacityDisplay::ShowUnitUnknown(std::int64_t used) {
  texts_[1]->setText(tr("No unit seen yet"));
  texts_[1]->setEnabled(false);
  texts_[2]->setText(tr("Used : %1").arg(Grouped(used)));
  texts_[3]->setText(QString());
}

void CapacityDisplay::UpdateStatusBar() {
  const UnitStatus& unit = unit_.Status();
  texts_[0]->setText(unit.UnitPresent ? tr("Connected") : tr("Disconnected"));
  ShowCapacityPanels(MeasuringUnit().TotalCapacity(), UsedBytes());
  const int number = unit.Slots[0].ProfileNumber;
  texts_[4]->setText(tr("Profile On Vantora : %1")
                         .arg(QString::fromStdString(sent_.NameOnUnit(
                             number, store_.Stored().FindProfileByNumber(number)))));
}

void CapacityDisplay::TrimTabsToUnit() {
  const int buttons = unit_.Status().ButtonCount;
  document_.Document().Adjust([buttons](SongProfile& lists) { lists.TrimToUnit(buttons); });
}

void CapacityDisplay::FollowUnit() {
  if (free_ && !free_()) return;
  if (unit_.Status().UnitPresent && !fit_.UnitConnected) {
    fit_.UnitConnected = true;
    RefreshCapacity();
    TrimTabsToUnit();
    // The bar must not go on counting the sounds of the tabs just hidden.
    RefreshCapacity();
  } else if (!unit_.Status().UnitPresent && fit_.UnitConnected) {
    fit_.UnitConnected = false;
    RefreshCapacity();
  }
}

void CapacityDisplay::OnStatusTimer() {
  FollowUnit();
  UpdateStatusBar();
}
