#include "editor/NextChecks.h"

#include "devicethread/UnitStatusHolder.h"
#include "editor/CapacityDisplay.h"
#include "editor/InfoLine.h"
#include "editor/SoundTools.h"
#include "profiles/ProfileStore.h"
#include "profiles/VisibleText.h"
#include "programmingrun/RunPreflight.h"
#include "programmingrun/RunTexts.h"
#include "programmingrun/SoundDecodeChecks.h"

NextChecks::NextChecks(AppPorts& ports, ProfileStore& store, CapacityDisplay& capacity,
                       SoundTools& tools, InfoLine& info, const UnitStatusHolder& unit,
                       SoundDecodeChecks& soundChecks, QObject* parent)
    : QObject(parent),
      ports_(ports),
      store_(store),
      capacity_(capacity),
      tools_(tools),
      info_(info),
      unit_(unit),
      soundChecks_(soundChecks) {}

Task<> NextChecks::Check() {
  // A second press while the first one's questions are open does nothing.
  if (checking_) co_return;
  checking_ = true;
  const bool passed = co_await Passes();
  checking_ = false;
  if (passed) emit Passed();
}

Task<bool> NextChecks::Passes() {
  RunPreflight preflight =
      CheckBeforeRun(capacity_.PlanForUnit(), unit_.LastProbe(), soundChecks_);
  const bool nothingFits =
      preflight.Has(RunObstacle::NothingFits) || preflight.Has(RunObstacle::NoMemory);
  if (nothingFits && store_.Document().Lists().SoundCount() == 1) {
    info_.Show(ObstacleText(RunObstacle::NothingFits), InfoColour::Failure);
    co_await tools_.OfferToMakeFit();
    co_return false;
  }
  // Cancel, or lists that could not be saved, keep the editor, with the
  // error shown.
  const bool mayGoOn = co_await AskToSaveBeforeProgramming();
  if (!mayGoOn) co_return false;
  if (preflight.Has(RunObstacle::MissingFiles)) {
    const bool repaired = co_await FindOrDropMissingSounds();
    if (!repaired) co_return false;
    preflight = CheckBeforeRun(capacity_.PlanForUnit(), unit_.LastProbe(), soundChecks_);
  }
  if (preflight.Has(RunObstacle::NoSounds)) {
    info_.Show(ObstacleText(RunObstacle::NoSounds), InfoColour::Failure);
    co_return false;
  }
  if (preflight.Has(RunObstacle::NotSounds)) {
    const ProgrammingPlan plan = capacity_.PlanForUnit();
    std::vector<std::string> names;
    for (const std::size_t row : preflight.NotSoundRows) names.push_back(plan.Sounds[row].FileName);
    ports_.Prompts.Ask({NotSoundsText(names), "", PromptButtons::Ok, PromptIcon::Exclamation},
                       [](PromptAnswer) {});
    co_return false;
  }
  co_return true;
}

Task<bool> NextChecks::AskToSaveBeforeProgramming() {
  ProfileDocument& document = store_.Document();
  if (!document.Changed()) co_return true;
  const std::string& name = document.Name();
  const QString said =
      name.empty()
          ? tr("The new profile has unsaved changes.")
          : tr("Profile %1 has unsaved changes.").arg(QString::fromStdString(VisibleText(name)));
  Question unsaved{said.toStdString(),
                   tr("Unsaved Changes").toStdString(),
                   PromptButtons::YesNoCancel,
                   PromptIcon::Exclamation,
                   PromptAnswer::Cancel,
                   {tr("Save and Program").toStdString(),
                    tr("Program Without Saving").toStdString(), tr("Cancel").toStdString()}};
  const PromptAnswer answer = co_await Asked(ports_.Prompts, std::move(unsaved));
  switch (answer) {
    case PromptAnswer::Yes:
      co_return co_await store_.SaveOpenProfile();
    case PromptAnswer::No:
      // The lists go as they are shown, and stay unsaved here.
      co_return true;
    default:
      co_return false;
  }
}

Task<bool> NextChecks::FindOrDropMissingSounds() {
  ProfileDocument& document = store_.Document();
  // Sounds found or dropped belong to the file only when the lists did.
  const bool saved = !document.Changed();
  const SoundFileCheck check = co_await store_.Loader().CheckSoundFiles();
  if (check.Cancelled) co_return false;
  if (check.Replaced == 0 && check.Removed == 0) co_return true;
  const std::string name = document.Name();
  if (!saved || name.empty()) co_return true;
  // A profile that could not be saved stays on the editor with its error
  // shown, and the sounds the check replaced or dropped stay to be saved.
  if (!store_.Stored().SaveProfile(name)) co_return false;
  document.MarkSaved();
  co_return true;
}
