#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "soundediting/WaveformPeaks.h"

// A sound's waveform with the start and end markers of the stretch to keep.
// What is cut away is greyed; the fades are drawn as ramps, the waveform
// within them scaled as the fades scale the sound.
// The mouse sets the marker nearest to where it is pressed and drags it. From
// the keyboard: Home puts the start marker at the sound's beginning and End
// the end marker at its end, each then taking the arrows; Left and Right move
// that marker by 0.1 s, with Shift by 1 s.
class WaveformView : public QWidget {
  Q_OBJECT

 public:
  static constexpr double ArrowStepSeconds = 0.1;
  static constexpr double ShiftArrowStepSeconds = 1.0;

  WaveformView(double seconds, QWidget* parent);

  // The sound's length once known; the markers then take the whole sound.
  void SetLength(double seconds);
  void SetFades(double inSeconds, double outSeconds);
  void ShowPeaks(std::vector<PeakRange> peaks);
  // In place of the waveform while it is computed, or why it cannot be.
  void ShowNote(const QString& note);
  double StartSeconds() const { return start_; }
  double EndSeconds() const { return end_; }

 signals:
  void MarkersMoved();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  enum class Marker { Start, End };

  void MoveMarker(Marker marker, double seconds);
  double SecondsAt(double x) const;
  double XOf(double seconds) const;
  // The gain at `seconds` of the sound: 0 outside the markers, the fades'
  // within them.
  double GainAt(double seconds) const;
  void DrawPeaks(QPainter& painter) const;
  void DrawFadeRamps(QPainter& painter) const;
  void DrawMarkers(QPainter& painter) const;

  double seconds_;
  double start_ = 0;
  double end_;
  double fadeIn_ = 0;
  double fadeOut_ = 0;
  Marker active_ = Marker::Start;
  std::vector<PeakRange> peaks_;
  QString note_;
};
