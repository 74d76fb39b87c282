#include "editor/MakeItFit.h"
#include "editor/MusicFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "programmingrun/ProgrammingPlan.h"
#include "editor/FitPlanText.h"
#include "editor/FitProgressDialog.h"
#include "profiles/UserPrompts.h"
#include "soundediting/SoundMeasure.h"

namespace {

const char* const Title = QT_TRANSLATE_NOOP("MakeItFit", "Make It Fit");
// The bar counts in thousandths of the work.
constexpr int ProgressSteps = 1000;

// Where a new file goes when the original's folder takes none: the user's
// Music folder where it exists, else the home folder.
SoundEntry EntryOf(const std::string& path) {
  const std::filesystem::path file(path);
  std::error_code unknown;
  const std::uintmax_t size = std::filesystem::file_size(file, unknown);
  return {file.filename().string(), std::to_string(unknown ? 0 : size),
          file.parent_path().string() + "/"};
}

void RemoveFiles(const std::vector<SoundEntry>& written) {
  std::error_code ignored;
  for (const SoundEntry& sound : written) std::filesystem::remove(sound.FullPath(), ignored);
}

// A number of seconds as the user types it, in their language or with a dot.
std::optional<double> ReadSeconds(const QString& text) {
  bool read = false;
  double seconds = QLocale().toDouble(text, &read);
  if (!read) seconds = QLocale::c().toDouble(text, &read);
  if (!read || !std::isfinite(seconds) || seconds <= 0) return std::nullopt;
  return seconds;
}

}  // namespace

MakeItFit::MakeItFit(const ProfileDocument& document, UserPrompts& prompts, QWidget* window)
    : QObject(window), document_(document), prompts_(prompts), window_(window) {
  pool_.setMaxThreadCount(1);
}

MakeItFit::~MakeItFit() {
  // Work under way stops at its next piece and removes what it had written.
  if (cancel_) cancel_->store(true);
  pool_.waitForDone();
}

Task<> MakeItFit::Start(UnitStatus unit) {
  if (busy_) co_return;
  // The connected unit or the last one seen: either has memories to fit.
  if (unit.MemoryCount == 0) {
    emit Told(tr("No unit seen yet: Make It Fit fits a profile to the unit's memories"),
              InfoColour::Failure);
    co_return;
  }
  CollectRows();
  if (AllFit(unit)) {
    emit Told(tr("Every sound fits the unit already"), InfoColour::Ordinary);
    co_return;
  }
  // Busy from the question on: the lists must stay as they are planned.
  busy_ = true;
  std::optional<double> seconds;
  const bool asked = co_await AskSecondsToKeep(seconds);
  if (!asked) {
    busy_ = false;
    co_return;
  }
  cancel_ = std::make_shared<std::atomic<bool>>(false);
  // Made on first use: a window that never makes a profile fit holds no dialog.
  if (!progress_) {
    progress_ = new FitProgressDialog(window_, [this] { cancel_->store(true); });
  }
  StartPlanning(unit, seconds);
}

void MakeItFit::CollectRows() {
  rows_.clear();
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    const ButtonSlot& button = document_.Lists().Buttons[slot];
    if (!button.Present) continue;
    for (std::size_t row = 0; row < button.Sounds.size(); ++row) {
      rows_.push_back({slot, static_cast<int>(row), button.Sounds[row]});
    }
  }
}

bool MakeItFit::AllFit(const UnitStatus& unit) const {
  // Packed as the run will pack them.
  return PlanProgramming({}, document_.Lists(), NoProfileId, unit).LeftOutCount() == 0;
}

Task<bool> MakeItFit::AskSecondsToKeep(std::optional<double>& seconds) {
  std::string typed;
  for (;;) {
    TextRequest request{tr(Title).toStdString(),
                        tr("Keep at most how many seconds of each sound that is changed, from its "
                           "start?\nLeave it empty to keep whole sounds.")
                            .toStdString(),
                        typed};
    const std::optional<std::string> answer = co_await Typed(prompts_, std::move(request));
    if (!answer) co_return false;
    typed = *answer;
    const QString text = QString::fromStdString(typed).trimmed();
    if (text.isEmpty()) co_return true;
    seconds = ReadSeconds(text);
    if (seconds) co_return true;
    Question notSeconds{tr("\"%1\" is not a number of seconds above 0.")
                            .arg(QString::fromStdString(typed))
                            .toStdString(),
                        tr(Title).toStdString(), PromptButtons::Ok, PromptIcon::Exclamation};
    co_await Asked(prompts_, std::move(notSeconds));
  }
}

void MakeItFit::StartPlanning(const UnitStatus& unit, std::optional<double> seconds) {
  std::vector<ProfileSound> sounds;
  for (const SoundRow& row : rows_) {
    sounds.push_back({row.Sound.FullPath(), row.Sound.Size(), {}});
  }
  progress_->ShowWork(tr("Reading the sounds\u2026"), 0);
  pool_.start([this, sounds = std::move(sounds), unit, seconds, cancel = cancel_]() mutable {
    // A sound that cannot be read keeps no frames: the plan never changes it.
    for (ProfileSound& sound : sounds) {
      if (cancel->load()) break;
      if (const std::optional<SoundMeasure> measure = MeasureSound(sound.Path)) {
        sound.Format = measure->Format;
      }
    }
    FitPlan plan = cancel->load() ? FitPlan{} : PlanToFit(sounds, unit, seconds);
    QMetaObject::invokeMethod(
        this,
        [this, plan = std::move(plan), sounds = std::move(sounds)] { OnPlanned(plan, sounds); },
        Qt::QueuedConnection);
  });
}

Task<> MakeItFit::OnPlanned(FitPlan plan, std::vector<ProfileSound> sounds) {
  progress_->hide();
  if (cancel_->load()) {
    emit Told(tr("Make It Fit was cancelled: the lists are as they were"), InfoColour::Ordinary);
  } else if (!plan.Fits) {
    Question cannot{CannotFitText(plan, sounds), tr(Title).toStdString(), PromptButtons::Ok,
                    PromptIcon::Exclamation};
    co_await Asked(prompts_, std::move(cannot));
  } else if (plan.Changes.empty()) {
    emit Told(tr("Every sound fits the unit already"), InfoColour::Ordinary);
  } else {
    Question accept{FitPlanQuestion(plan, sounds), tr(Title).toStdString(), PromptButtons::OkCancel,
                    PromptIcon::Question};
    const PromptAnswer answer = co_await Asked(prompts_, std::move(accept));
    if (answer == PromptAnswer::Ok) {
      StartWriting(plan);
      co_return;
    }
  }
  End();
}

void MakeItFit::StartWriting(const FitPlan& plan) {
  changedRows_.clear();
  for (const SoundChange& change : plan.Changes) changedRows_.push_back(change.Index);
  progress_->ShowWork(plan.Changes.size() == 1
                          ? tr("Writing the new sound\u2026")
                          : tr("Writing %1 new sounds\u2026").arg(plan.Changes.size()),
                      ProgressSteps);
  emit WritingStarted();
  const WorkControl control{ProgressReporter(), cancel_.get()};
  pool_.start([this, plan, folder = MusicFolder(), control, cancel = cancel_] {
    std::vector<SoundEntry> written;
    std::string failure;
    try {
      for (const std::string& path : ApplyFitPlan(plan, folder, control)) {
        written.push_back(EntryOf(path));
      }
    } catch (const WorkCancelled&) {
    } catch (const std::exception& error) {
      failure = error.what();
    }
    QMetaObject::invokeMethod(
        this, [this, written, failure] { OnWritten(written, failure); }, Qt::QueuedConnection);
  });
}

std::function<void(double)> MakeItFit::ProgressReporter() {
  // The encoder reports far more often than the bar can show a change.
  return [this, shown = std::make_shared<int>(0)](double done) {
    const int steps = static_cast<int>(done * ProgressSteps);
    if (steps == *shown) return;
    *shown = steps;
    QMetaObject::invokeMethod(
        this, [this, steps] { progress_->ShowDone(steps); }, Qt::QueuedConnection);
  };
}

void MakeItFit::OnWritten(const std::vector<SoundEntry>& written, const std::string& failure) {
  progress_->hide();
  // Cancel pressed after the last file was written still leaves everything as it was.
  if (cancel_->load() || !failure.empty() || !RowsUnchanged()) {
    RemoveFiles(written);
    if (cancel_->load()) {
      emit Told(tr("Make It Fit was cancelled: the lists are as they were"), InfoColour::Ordinary);
    } else if (!failure.empty()) {
      prompts_.Ask({tr("The new sounds could not be written: %1\nThe lists are as they were.")
                        .arg(QString::fromStdString(failure))
                        .toStdString(),
                    tr(Title).toStdString(), PromptButtons::Ok, PromptIcon::Exclamation},
                   [](PromptAnswer) {});
    } else {
      emit Told(tr("The lists changed meanwhile: Make It Fit replaced nothing"),
                InfoColour::Failure);
    }
    End();
    return;
  }
  std::vector<SoundRow> replacements;
  for (std::size_t change = 0; change < written.size(); ++change) {
    const SoundRow& row = rows_[changedRows_[change]];
    replacements.push_back({row.Slot, row.Row, written[change]});
  }
  emit SoundsReplaced(replacements);
  End();
}

bool MakeItFit::RowsUnchanged() const {
  std::size_t count = 0;
  for (const ButtonSlot& button : document_.Lists().Buttons) {
    if (button.Present) count += button.Sounds.size();
  }
  if (count != rows_.size()) return false;
  return std::ranges::all_of(rows_, [this](const SoundRow& row) {
    const ButtonSlot& button = document_.Lists().Buttons[row.Slot];
    const auto at = static_cast<std::size_t>(row.Row);
    return button.Present && at < button.Sounds.size() &&
           button.Sounds[at].FullPath() == row.Sound.FullPath() &&
           button.Sounds[at].SizeText == row.Sound.SizeText;
  });
}

void MakeItFit::End() {
  progress_->hide();
  busy_ = false;
  emit Finished();
}
