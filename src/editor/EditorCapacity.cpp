// The profile editor's capacity bar, the count of the sounds that fit, the
// unit's status bar, following the unit, and the checks of the Next button.
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeView>
#include <algorithm>
#include <vector>

#include "widgets/StatusText.h"
#include "editor/LastUnitSeen.h"
#include "editor/ProfileEditor.h"
#include "editor/SoundListModel.h"
#include "profiles/UserPrompts.h"
#include "profiles/VisibleText.h"
#include "programmingrun/RunTexts.h"
#include "formatting/NumberFormat.h"

namespace {

QString Grouped(std::int64_t number) {
  return QString::fromStdString(GroupedNumber(number));
}

}  // namespace

const UnitStatus& ProfileEditor::Unit() const {
  return unit_.Status();
}

std::int64_t ProfileEditor::UsedBytes() const {
  std::int64_t used = 0;
  for (const ButtonSlot& button : store_.Profile().Buttons) {
    if (!button.Present) continue;
    for (const SoundEntry& sound : button.Sounds) used += sound.Need();
  }
  return used;
}

const UnitStatus& ProfileEditor::MeasuringUnit() const {
  if (Unit().UnitPresent || !lastUnit_) return Unit();
  return *lastUnit_;
}

ProgrammingPlan ProfileEditor::PlanForUnit() const {
  return PlanProgramming(store_.CurrentProfileName(), store_.Profile(), NoProfileId,
                         MeasuringUnit());
}

void ProfileEditor::RefreshCapacity() {
  const std::int64_t capacity = MeasuringUnit().TotalCapacity();
  const std::int64_t used = UsedBytes();
  const std::int64_t percent = capacity > 0 ? used * 100 / capacity : 0;
  capacityBar_->setValue(static_cast<int>(std::clamp<std::int64_t>(percent, 0, 100)));
  // Greyed while it measures against a unit that is not there.
  capacityBar_->setEnabled(Unit().UnitPresent);
  // The packing the programming run will use: the rows that fit are those it writes.
  EditorState& state = store_.State();
  const ProgrammingPlan plan = PlanForUnit();
  state.UnitKnown = state.UnitConnected || lastUnit_.has_value();
  state.FittingSoundCount = state.UnitKnown ? static_cast<int>(plan.FittingCount()) : 0;
  misfitTip_ = QString::fromStdString(DoesNotFitText(plan.Packing));
  ShowCapacityPanels(capacity, used);
  // Sounds that entered without the decoder's check get it now.
  soundChecks_.CheckInBackground(store_.Profile());
  // Repaints are coalesced: many changes in a row draw the lists once.
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    if (buttonTabs_->isTabVisible(slot)) soundLists_[slot]->ShowNewLook();
  }
  // After a load as after an edit: the open profile may be another one.
  ShowCaption();
  RememberOpenProfile();
}

void ProfileEditor::ShowCapacityPanels(std::int64_t capacity, std::int64_t used) {
  if (!Unit().UnitPresent && !lastUnit_) {
    ShowUnitUnknown(used);
    return;
  }
  const bool connected = Unit().UnitPresent;
  statusTexts_[1]->setText(connected ? QStringLiteral("Size : ") + Grouped(capacity)
                                     : QStringLiteral("Last unit: ") + Grouped(capacity));
  statusTexts_[2]->setText(QStringLiteral("Used : ") + Grouped(used));
  QLabel* remaining = statusTexts_[3];
  // Grey: what a unit that is not there would hold.
  statusTexts_[1]->setEnabled(connected);
  remaining->setEnabled(connected);
  const bool over = used > capacity;
  QPalette palette = statusPanels_->palette();
  if (over) palette.setColor(QPalette::WindowText, FailureColour);
  remaining->setPalette(palette);
  remaining->setText(over ? QStringLiteral("Over by ") + Grouped(used - capacity)
                          : QStringLiteral("Remaining : ") + Grouped(capacity - used));
}

void ProfileEditor::ShowUnitUnknown(std::int64_t used) {
  statusTexts_[1]->setText(QStringLiteral("No unit seen yet"));
  statusTexts_[1]->setEnabled(false);
  statusTexts_[2]->setText(QStringLiteral("Used : ") + Grouped(used));
  statusTexts_[3]->setText(QString());
}

void ProfileEditor::UpdateStatusBar() {
  const UnitStatus& unit = Unit();
  statusTexts_[0]->setText(unit.UnitPresent ? QStringLiteral("Connected")
                                            : QStringLiteral("Disconnected"));
  ShowCapacityPanels(MeasuringUnit().TotalCapacity(), UsedBytes());
  const int number = unit.Slots[0].ProfileNumber;
  statusTexts_[4]->setText(
      QStringLiteral("Profile On Vantora : ") +
      QString::fromStdString(sent_.NameOnUnit(number, store_.FindProfileByNumber(number))));
}

void ProfileEditor::TrimTabsToUnit() {
  // Qt moves the current tab on by itself when it hides it; the sounds must
  // not then go to a neighbour of the hidden tab.
  const int active = buttonTabs_->currentIndex();
  store_.Profile().TrimToUnit(Unit().ButtonCount);
  for (int slot = std::max(Unit().ButtonCount, 0); slot < ButtonSlotCount; ++slot) {
    soundLists_[slot]->Reload();
  }
  ShowButtons();
  if (!buttonTabs_->isTabVisible(active)) buttonTabs_->setCurrentIndex(0);
}

void ProfileEditor::RememberUnitSeen() {
  if (lastUnit_ && !DiffersForFitting(*lastUnit_, Unit())) return;
  lastUnit_ = Unit();
  lastUnit_->UnitPresent = false;
  RememberLastUnit(ports_.Settings, *lastUnit_);
}

void ProfileEditor::FollowUnit() {
  EditorState& state = store_.State();
  // While a question or dialog is open, a load or check may be half done:
  // the unit's arrival or departure waits for the status timer after it.
  // So does it while Make It Fit works on the lists as they are.
  if (ports_.Prompts.IsOpen() || makeItFit_->Busy()) return;
  if (Unit().UnitPresent) RememberUnitSeen();
  if (Unit().UnitPresent && !state.UnitConnected) {
    state.UnitConnected = true;
    RefreshCapacity();
    TrimTabsToUnit();
    // The bar must not go on counting the sounds of the tabs just hidden.
    RefreshCapacity();
  } else if (!Unit().UnitPresent && state.UnitConnected) {
    state.UnitConnected = false;
    RefreshCapacity();
  }
}

void ProfileEditor::OnStatusTimer() {
  FollowUnit();
  UpdateStatusBar();
}

void ProfileEditor::OnNextClicked() {
  const int total = store_.Profile().SoundCount();
  RunPreflight preflight = CheckBeforeRun(PlanForUnit(), unit_.LastProbe(), soundChecks_);
  const bool nothingFits =
      preflight.Has(RunObstacle::NothingFits) || preflight.Has(RunObstacle::NoMemory);
  if (nothingFits && total == 1) {
    ShowInfo(ObstacleText(RunObstacle::NothingFits), InfoColour::Failure);
    OfferToMakeFit();
    return;
  }
  // Cancel, or lists that could not be saved, keep the editor, with the
  // error shown.
  if (store_.State().Changed && !AskToSaveBeforeProgramming()) return;
  if (preflight.Has(RunObstacle::MissingFiles)) {
    if (!FindOrDropMissingSounds()) return;
    preflight = CheckBeforeRun(PlanForUnit(), unit_.LastProbe(), soundChecks_);
  }
  if (preflight.Has(RunObstacle::NoSounds)) {
    ShowInfo(ObstacleText(RunObstacle::NoSounds), InfoColour::Failure);
    return;
  }
  if (preflight.Has(RunObstacle::NotSounds)) {
    RefreshCapacity();
    const ProgrammingPlan plan = PlanForUnit();
    QStringList names;
    for (const std::size_t row : preflight.NotSoundRows) {
      names << QString::fromStdString(plan.Sounds[row].FileName);
    }
    ShowRefusedFiles(names);
    return;
  }
  emit NextRequested();
}

bool ProfileEditor::AskToSaveBeforeProgramming() {
  const std::string& name = store_.Profile().Name;
  const std::string profile = name.empty() ? "The new profile" : "Profile " + VisibleText(name);
  switch (ports_.Prompts.Ask({profile + " has unsaved changes.",
                              "Unsaved Changes",
                              PromptButtons::YesNoCancel,
                              PromptIcon::Exclamation,
                              PromptAnswer::Cancel,
                              {"Save and Program", "Program Without Saving", "Cancel"}})) {
    case PromptAnswer::Yes:
      return store_.SaveOpenProfile();
    case PromptAnswer::No:
      // The lists go as they are shown, and stay unsaved here.
      return true;
    default:
      return false;
  }
}

bool ProfileEditor::FindOrDropMissingSounds() {
  // Sounds found or dropped belong to the file only when the lists did.
  const bool saved = !store_.State().Changed;
  SoundFileCheck check;
  history_->Record(QStringLiteral("Find Missing Sounds"),
                   [&] { check = store_.CheckSoundFiles(); });
  // Sounds found again or dropped change what fits, whatever came after.
  RefreshCapacity();
  if (check.Cancelled) return false;
  if (check.Replaced == 0 && check.Removed == 0) return true;
  const std::string& name = store_.Profile().Name;
  if (!saved || name.empty()) {
    MarkEdited();
    return true;
  }
  // A profile that could not be saved stays on the editor with its error
  // shown, and the sounds the check replaced or dropped stay to be saved.
  if (!store_.SaveProfile(name)) {
    MarkEdited();
    return false;
  }
  // Saved with the sounds found or dropped: undoing that is an edit again.
  store_.State().Changed = false;
  ShowChanged(false);
  return true;
}
