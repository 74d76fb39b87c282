#pragma once

#include <QDialog>
#include <QThreadPool>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "soundediting/SoundEdit.h"
#include "soundediting/SoundMeasure.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class SoundPlayer;
class WaveformView;

// "Edit Sound": the stretch of a sound to keep, its fades, mono, even
// loudness and the file kind, with the new file's size and whether the
// profile then fits. The sound is measured at its true length off the GUI
// thread first; until then only Cancel is offered. The settings start from
// the sound's own format (EditFromSource). Save writes a new file beside the
// original, never the original, off the GUI thread; Saved names it. Cancel
// writes nothing.
class SoundEditDialog : public QDialog {
  Q_OBJECT

 public:
  // What the profile's fit would be with the sound at this many bytes.
  using FitText = std::function<QString(std::int64_t bytes)>;

  SoundEditDialog(const std::string& path, SoundPlayer& player, FitText fitText,
                  std::string musicFolder, QWidget* parent);
  ~SoundEditDialog() override;

  SoundEdit Edit() const;

 signals:
  void Saved(const QString& newPath);

 public slots:
  void done(int result) override;

 private:
  void CreateSelectionRow();
  void CreateSettings();
  void CreateEnding();
  // Measures the sound, then computes its waveform, off the GUI thread.
  void ReadSound();
  void TakeMeasure(const SoundMeasure& source);
  void EnableEditing(bool enabled);
  void ShowFades();
  void ShowEstimate();
  void PlayOrStopSelection();
  void ShowPlaying();
  void Save();
  void ShowWriting(bool writing);
  void ShowWriteFailure(const QString& reason);
  void ShowMessage(const QString& text);

  std::string path_;
  std::optional<SoundMeasure> source_;
  SoundPlayer& player_;
  FitText fitText_;
  std::string musicFolder_;
  QThreadPool worker_;
  std::shared_ptr<std::atomic<bool>> cancelWriting_;
  bool writing_ = false;

  WaveformView* waveform_;
  QLabel* selectionLength_;
  QPushButton* playButton_;
  QDoubleSpinBox* fadeIn_;
  QDoubleSpinBox* fadeOut_;
  QCheckBox* mono_;
  QCheckBox* evenOutLoudness_;
  QComboBox* outputKind_;
  QComboBox* bitRate_;
  QLabel* newSize_;
  QLabel* fitVerdict_;
  QProgressBar* writeProgress_;
  QLabel* message_;
  QPushButton* saveButton_;
};
