#include "editor/SoundTools.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "editor/CapacityDisplay.h"
#include "editor/DocumentSignals.h"
#include "editor/InfoLine.h"
#include "editor/MusicFolder.h"
#include "editor/SoundEditDialog.h"
#include "editor/SoundListCommands.h"
#include "editor/SoundLists.h"
#include "profiles/SoundFormat.h"
#include "profiles/UserPrompts.h"
#include "profiles/VisibleText.h"
#include "programmingrun/SoundDecodeChecks.h"
#include "soundediting/SoundDecoding.h"
#include "widgets/MenuEntry.h"

namespace {

QString SoundCount(std::size_t count) {
  return count == 1 ? SoundTools::tr("1 sound") : SoundTools::tr("%1 sounds").arg(count);
}

}  // namespace

SoundTools::SoundTools(AppPorts& ports, DocumentSignals& document, SoundLists& lists,
                       SoundListCommands& commands, CapacityDisplay& capacity, InfoLine& info,
                       SoundDecodeChecks& soundChecks, SoundPlayer& player, QWidget* page)
    : QObject(page),
      ports_(ports),
      document_(document),
      lists_(lists),
      commands_(commands),
      capacity_(capacity),
      info_(info),
      soundChecks_(soundChecks),
      page_(page),
      player_(player),
      makeItFit_(new MakeItFit(document.Document(), ports.Prompts, page)) {
  // Each list takes Space while it has the focus.
  auto* playSound = new QAction(tr("&Play"), this);
  playSound->setObjectName(QStringLiteral("PlaySound1"));
  playSound->setShortcut(QKeySequence(Qt::Key_Space));
  playSound->setShortcutContext(Qt::WidgetShortcut);
  connect(playSound, &QAction::triggered, this, &SoundTools::PlayOrStopHighlighted);
  lists_.AddListAction(playSound);
  // Esc is taken only while a sound plays.
  stopSound_ = new QAction(tr("S&top"), this);
  stopSound_->setObjectName(QStringLiteral("StopSound1"));
  stopSound_->setShortcut(QKeySequence(Qt::Key_Escape));
  stopSound_->setEnabled(false);
  page->addAction(stopSound_);
  connect(stopSound_, &QAction::triggered, this, &SoundTools::StopPlaying);
  connect(&player_, &SoundPlayer::PlayingChanged, this, &SoundTools::ShowPlayingRow);
  connect(&player_, &SoundPlayer::Failed, this, [this](const QString& message) {
    info_.Show(message.toStdString(), InfoColour::Failure);
  });
  connect(&document_, &DocumentSignals::ListsChanged, this, &SoundTools::StopWhenRowChanges);

  connect(makeItFit_, &MakeItFit::Told, this, [this](const QString& text, InfoColour colour) {
    info_.Show(text.toStdString(), colour);
  });
  connect(makeItFit_, &MakeItFit::SoundsReplaced, this, &SoundTools::ReplaceFittedSounds);
  connect(makeItFit_, &MakeItFit::Finished, this, &SoundTools::MakeItFitEnded);
}

void SoundTools::AddToEditMenu(QMenu* edit) {
  edit->addSeparator();
  QAction* editSound = AddMenuEntry(edit, "EditSound1", tr("Edit &Sound\u2026"), this,
                                    &SoundTools::EditHighlightedSound);
  editSound->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  AddMenuEntry(commands_.ListMenu(), "EditSound2", tr("&Edit Sound\u2026"), this,
               &SoundTools::EditHighlightedSound);
}

void SoundTools::AddToButtonsMenu(QMenu* buttons) {
  AddMenuEntry(buttons, "MakeItFit1", tr("&Make It Fit\u2026"), this, &SoundTools::MakeProfileFit);
  // Shown on the rows left out of the unit only.
  QAction* ofRow = AddMenuEntry(commands_.ListMenu(), "MakeItFit2", tr("&Make It Fit\u2026"), this,
                                &SoundTools::MakeProfileFit);
  connect(&commands_, &SoundListCommands::ListMenuOpening, ofRow, [this, ofRow](int slot, int row) {
    ofRow->setVisible(row >= 0 && lists_.Model(slot)->IsLeftOut(row));
  });
}

const SoundEntry& SoundTools::SoundAt(PlayingRow row) const {
  return document_.Document().Lists().Buttons[row.Slot].Sounds[static_cast<std::size_t>(row.Row)];
}

void SoundTools::PlayOrStopHighlighted() {
  if (player_.IsActive()) {
    StopPlaying();
    return;
  }
  const std::optional<PlayingRow> row = lists_.HighlightedRow();
  if (!row) {
    info_.Show(tr("Select the sound to play").toStdString(), InfoColour::Ordinary);
    return;
  }
  info_.Show("", InfoColour::Kept);
  playingPath_ = SoundAt(*row).FullPath();
  player_.Play([path = playingPath_] { return DecodeSoundFile(path); }, *row);
}

void SoundTools::StopPlaying() {
  player_.Stop();
}

void SoundTools::StopWhenRowChanges() {
  const PlayingRow& row = player_.Playing();
  if (row.Slot < 0) return;
  const std::vector<SoundEntry>& sounds = document_.Document().Lists().Buttons[row.Slot].Sounds;
  const auto at = static_cast<std::size_t>(row.Row);
  if (at >= sounds.size() || sounds[at].FullPath() != playingPath_) player_.Stop();
}

void SoundTools::ShowPlayingRow() {
  stopSound_->setEnabled(player_.IsActive());
  lists_.ShowNewLook();
}

void SoundTools::EditHighlightedSound() {
  const std::optional<PlayingRow> row = lists_.HighlightedRow();
  if (!row) {
    info_.Show(tr("Select the sound to edit").toStdString(), InfoColour::Ordinary);
    return;
  }
  const SoundEntry& sound = SoundAt(*row);
  const std::string path = sound.FullPath();
  const std::optional<SoundFormat> format = DecodeSound(path);
  if (!format || format->Frames <= 0) {
    info_.Show(tr("%1 cannot be edited: it does not open as an MP3 or WAV sound")
                   .arg(QString::fromStdString(sound.FileName))
                   .toStdString(),
               InfoColour::Failure);
    return;
  }
  StopPlaying();
  info_.Show("", InfoColour::Kept);
  auto* dialog = new SoundEditDialog(
      path, player_, [this, at = *row](std::int64_t bytes) { return FitAfterEdit(at, bytes); },
      MusicFolder(), page_);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &SoundEditDialog::Saved, this,
          [this, at = *row, path](const QString& written) { PointRowToEdited(at, path, written); });
  dialog->open();
}

QString SoundTools::FitAfterEdit(PlayingRow row, std::int64_t bytes) const {
  if (capacity_.MeasuringUnit().MemoryCount == 0) {
    return tr("No unit seen yet: whether the profile fits shows once one is");
  }
  SongProfile edited = document_.Document().Lists();
  std::vector<SoundEntry>& sounds = edited.Buttons[row.Slot].Sounds;
  if (row.Row >= static_cast<int>(sounds.size())) return {};
  sounds[static_cast<std::size_t>(row.Row)].SizeText = std::to_string(bytes);
  const ProgrammingPlan plan = PlanProgramming({}, edited, NoProfileId, capacity_.MeasuringUnit());
  if (plan.LeftOutCount() == 0) return tr("The profile then fits the unit");
  return tr("The profile then does not fit the unit: %1 left out")
      .arg(SoundCount(plan.LeftOutCount()));
}

void SoundTools::PointRowToEdited(PlayingRow row, const std::string& originalPath,
                                  const QString& newPath) {
  const std::vector<SoundEntry>& sounds = document_.Document().Lists().Buttons[row.Slot].Sounds;
  const auto index = static_cast<std::size_t>(row.Row);
  // The unit's arrival may have taken the row's button away meanwhile.
  if (index >= sounds.size() || sounds[index].FullPath() != originalPath) {
    info_.Show(tr("The edited sound was saved as %1; its row is gone")
                   .arg(QString::fromStdString(VisibleText(newPath.toStdString())))
                   .toStdString(),
               InfoColour::Failure);
    return;
  }
  const QFileInfo written(newPath);
  SoundEntry edited = sounds[index];
  edited.FileName = written.fileName().toStdString();
  edited.Directory = written.absolutePath().toStdString() + "/";
  edited.SizeText = std::to_string(written.size());
  soundChecks_.Remember(edited, true);
  document_.Document().Edit(
      "Edit Sound", [&](SongProfile& lists) { lists.Buttons[row.Slot].Sounds[index] = edited; });
  info_.Show(tr("Saved as %1").arg(QString::fromStdString(edited.FileName)).toStdString(),
             InfoColour::Ordinary);
}

void SoundTools::MakeProfileFit() {
  makeItFit_->Start(capacity_.MeasuringUnit());
}

Task<> SoundTools::OfferToMakeFit() {
  if (capacity_.MeasuringUnit().MemoryCount == 0) co_return;
  Question offer{
      tr("The sound is larger than the unit's memory. Make It Fit can write a shorter or smaller "
         "copy of it beside the original, which stays as it is. Make it fit now?")
          .toStdString(),
      tr("Make It Fit").toStdString(), PromptButtons::YesNo, PromptIcon::Question};
  const PromptAnswer answer = co_await Asked(ports_.Prompts, std::move(offer));
  if (answer == PromptAnswer::Yes) MakeProfileFit();
}

void SoundTools::ReplaceFittedSounds(const std::vector<SoundRow>& replacements) {
  for (const SoundRow& replacement : replacements) soundChecks_.Remember(replacement.Sound, true);
  document_.Document().Edit("Make It Fit", [&](SongProfile& lists) {
    for (const SoundRow& replacement : replacements) {
      lists.Buttons[replacement.Slot].Sounds[static_cast<std::size_t>(replacement.Row)] =
          replacement.Sound;
    }
  });
  const std::size_t count = replacements.size();
  const QString sounds = count == 1 ? tr("1 new sound") : tr("%1 new sounds").arg(count);
  const std::size_t leftOut = capacity_.PlanForUnit().LeftOutCount();
  const QString told =
      leftOut == 0 ? tr("Every sound fits the unit now, with %1").arg(sounds)
      : leftOut == 1
          ? tr("%1 in the lists; 1 still does not fit").arg(sounds)
          : tr("%1 in the lists; %2 still do not fit").arg(sounds, QString::number(leftOut));
  info_.Show(told.toStdString(), InfoColour::Ordinary);
}
