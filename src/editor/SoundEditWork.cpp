// The sound editor's work off the GUI thread: the waveform, hearing the
// selection, and writing the new file, with the window responsive meanwhile.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <exception>

#include "widgets/StatusText.h"
#include "editor/SoundEditDialog.h"
#include "editor/SoundPlayer.h"
#include "editor/WaveformView.h"
#include "soundediting/EditedSound.h"
#include "soundediting/SoundMeasure.h"
#include "soundediting/WaveformPeaks.h"
#include "soundediting/WorkControl.h"

namespace {

// Enough columns for the widest window; the view picks from them.
constexpr int PeakColumns = 2048;

}  // namespace

void SoundEditDialog::ReadSound() {
  waveform_->ShowNote(tr("Reading the sound..."));
  worker_.start([this, path = path_] {
    const std::optional<SoundMeasure> source = MeasureSound(path);
    if (!source || source->Format.Frames <= 0) {
      QMetaObject::invokeMethod(
          this,
          [this] {
            waveform_->ShowNote(
                tr("The sound cannot be read: it does not open as an MP3 or WAV sound"));
          },
          Qt::QueuedConnection);
      return;
    }
    QMetaObject::invokeMethod(
        this, [this, source = *source] { TakeMeasure(source); }, Qt::QueuedConnection);
    try {
      std::vector<PeakRange> peaks = ComputeWaveformPeaks(path, PeakColumns);
      QMetaObject::invokeMethod(
          this, [this, peaks = std::move(peaks)] { waveform_->ShowPeaks(peaks); },
          Qt::QueuedConnection);
    } catch (const std::exception& error) {
      const QString note =
          tr("The waveform cannot be shown: %1").arg(QString::fromUtf8(error.what()));
      QMetaObject::invokeMethod(
          this, [this, note] { waveform_->ShowNote(note); }, Qt::QueuedConnection);
    }
  });
}

void SoundEditDialog::PlayOrStopSelection() {
  if (player_.IsActive()) {
    player_.Stop();
    return;
  }
  ShowMessage(QString());
  player_.Play([path = path_, edit = Edit()] { return RenderEdit(path, edit); });
}

void SoundEditDialog::ShowPlaying() {
  const bool playingHere = player_.IsActive() && player_.Playing() == PlayingRow{};
  playButton_->setText(playingHere ? tr("S&top") : tr("&Play"));
}

void SoundEditDialog::Save() {
  ShowMessage(QString());
  ShowWriting(true);
  cancelWriting_ = std::make_shared<std::atomic<bool>>(false);
  const auto report = [this](double fraction) {
    QMetaObject::invokeMethod(
        this, [this, fraction] { writeProgress_->setValue(static_cast<int>(fraction * 100)); },
        Qt::QueuedConnection);
  };
  worker_.start(
      [this, report, path = path_, edit = Edit(), folder = musicFolder_, cancel = cancelWriting_] {
        try {
          const QString written =
              QString::fromStdString(WriteEditedSound(path, edit, folder, {report, cancel.get()}));
          QMetaObject::invokeMethod(
              this,
              [this, written] {
                writing_ = false;
                emit Saved(written);
                accept();
              },
              Qt::QueuedConnection);
        } catch (const WorkCancelled&) {
          QMetaObject::invokeMethod(
              this,
              [this] {
                writing_ = false;
                reject();
              },
              Qt::QueuedConnection);
        } catch (const std::exception& error) {
          const QString reason = QString::fromStdString(error.what());
          QMetaObject::invokeMethod(
              this, [this, reason] { ShowWriteFailure(reason); }, Qt::QueuedConnection);
        }
      });
}

void SoundEditDialog::ShowWriting(bool writing) {
  writing_ = writing;
  writeProgress_->setValue(0);
  writeProgress_->setVisible(writing);
  saveButton_->setEnabled(!writing);
}

void SoundEditDialog::ShowWriteFailure(const QString& reason) {
  ShowWriting(false);
  ShowStatusText(message_, tr("The edited sound could not be written: %1").arg(reason),
                 FailureColour);
}

void SoundEditDialog::ShowMessage(const QString& text) {
  ShowStatusText(message_, text, FailureColour);
}

void SoundEditDialog::done(int result) {
  // Cancel, Esc or the window's close while the file is written stop the
  // writing; the window closes once nothing of it is left.
  if (writing_ && result == Rejected) {
    cancelWriting_->store(true);
    return;
  }
  if (player_.IsActive() && player_.Playing() == PlayingRow{}) player_.Stop();
  QDialog::done(result);
}
