// The profile editor's "Edit Sound…": the sound editor on the highlighted
// row, whether the profile would then fit the unit, and the row pointed to the
// new file once it is written.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>

#include "app/MenuEntry.h"
#include "editor/MusicFolder.h"
#include "editor/ProfileEditor.h"
#include "editor/SoundEditDialog.h"
#include "profiles/SoundFormat.h"
#include "profiles/VisibleText.h"

namespace {

// Where a new sound goes when the original's folder takes no file.
QString SoundCount(std::size_t count) {
  return count == 1 ? QStringLiteral("1 sound") : QStringLiteral("%1 sounds").arg(count);
}

}  // namespace

void ProfileEditor::CreateSoundEditing(QMenu* edit) {
  edit->addSeparator();
  QAction* editSound = AddMenuEntry(edit, "EditSound1", QStringLiteral("Edit &Sound\u2026"), this,
                                    &ProfileEditor::EditHighlightedSound);
  editSound->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  AddMenuEntry(listMenu_, "EditSound2", QStringLiteral("&Edit Sound\u2026"), this,
               &ProfileEditor::EditHighlightedSound);
}

void ProfileEditor::EditHighlightedSound() {
  const std::optional<PlayingRow> row = HighlightedRow();
  if (!row) {
    ShowInfo("Select the sound to edit", InfoColour::Ordinary);
    return;
  }
  const SoundEntry& sound = SoundAt(*row);
  const std::string path = sound.FullPath();
  const std::optional<SoundFormat> format = DecodeSound(path);
  if (!format || format->Frames <= 0) {
    ShowInfo(sound.FileName + " cannot be edited: it does not open as an MP3 or WAV sound",
             InfoColour::Failure);
    return;
  }
  StopPlaying();
  ShowInfo("", InfoColour::Kept);
  auto* dialog = new SoundEditDialog(
      path, player_,
      [this, at = *row](std::int64_t bytes) { return FitAfterEdit(at, bytes); }, MusicFolder(),
      this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &SoundEditDialog::Saved, this,
          [this, at = *row, path](const QString& written) { PointRowToEdited(at, path, written); });
  dialog->open();
}

QString ProfileEditor::FitAfterEdit(PlayingRow row, std::int64_t bytes) const {
  if (MeasuringUnit().MemoryCount == 0) {
    return QStringLiteral("No unit seen yet: whether the profile fits shows once one is");
  }
  SongProfile edited = store_.Profile();
  std::vector<SoundEntry>& sounds = edited.Buttons[row.Slot].Sounds;
  if (row.Row >= static_cast<int>(sounds.size())) return {};
  sounds[static_cast<std::size_t>(row.Row)].SizeText = std::to_string(bytes);
  const ProgrammingPlan plan =
      PlanProgramming(store_.CurrentProfileName(), edited, NoProfileId, MeasuringUnit());
  if (plan.LeftOutCount() == 0) return QStringLiteral("The profile then fits the unit");
  return QStringLiteral("The profile then does not fit the unit: %1 left out")
      .arg(SoundCount(plan.LeftOutCount()));
}

void ProfileEditor::PointRowToEdited(PlayingRow row, const std::string& originalPath,
                                     const QString& newPath) {
  std::vector<SoundEntry>& sounds = store_.Profile().Buttons[row.Slot].Sounds;
  const auto index = static_cast<std::size_t>(row.Row);
  // The unit's arrival may have taken the row's button away meanwhile.
  if (index >= sounds.size() || sounds[index].FullPath() != originalPath) {
    ShowInfo(
        "The edited sound was saved as " + VisibleText(newPath.toStdString()) + "; its row is gone",
        InfoColour::Failure);
    return;
  }
  const QFileInfo written(newPath);
  history_->Record(QStringLiteral("Edit Sound"), [&] {
    SoundEntry& sound = sounds[index];
    sound.FileName = written.fileName().toStdString();
    sound.Directory = written.absolutePath().toStdString() + "/";
    sound.SizeText = std::to_string(written.size());
  });
  soundChecks_.Remember(sounds[index], true);
  soundLists_[row.Slot]->Reload();
  MarkEdited();
  RefreshCapacity();
  ShowInfo("Saved as " + sounds[index].FileName, InfoColour::Ordinary);
}
