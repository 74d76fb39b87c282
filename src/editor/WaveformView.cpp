#include "editor/WaveformView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "soundediting/Fades.h"

namespace {

// The markers never meet: the shortest stretch kept, or the whole of a
// shorter sound.
constexpr double ShortestStretchSeconds = 0.1;

// Marker positions keep to whole milliseconds, so that steps of 0.1 s add up
// without drift.
double ToMilliseconds(double seconds) {
  return std::round(seconds * 1000) / 1000;
}

}  // namespace

WaveformView::WaveformView(double seconds, QWidget* parent)
    : QWidget(parent), seconds_(std::max(seconds, 0.0)), end_(seconds_) {
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(480, 140);
  setToolTip(
      tr("Click or drag to set a marker. Home, End: start or end marker; arrows: 0.1 s, with "
         "Shift 1 s."));
}

void WaveformView::SetLength(double seconds) {
  seconds_ = std::max(seconds, 0.0);
  start_ = 0;
  end_ = seconds_;
  update();
  emit MarkersMoved();
}

void WaveformView::SetFades(double inSeconds, double outSeconds) {
  fadeIn_ = inSeconds;
  fadeOut_ = outSeconds;
  update();
}

void WaveformView::ShowPeaks(std::vector<PeakRange> peaks) {
  peaks_ = std::move(peaks);
  note_.clear();
  update();
}

void WaveformView::ShowNote(const QString& note) {
  note_ = note;
  update();
}

void WaveformView::MoveMarker(Marker marker, double seconds) {
  const double gap = std::min(ShortestStretchSeconds, seconds_);
  if (marker == Marker::Start) {
    start_ = std::clamp(ToMilliseconds(seconds), 0.0, std::max(end_ - gap, 0.0));
  } else {
    end_ = std::clamp(ToMilliseconds(seconds), std::min(start_ + gap, seconds_), seconds_);
  }
  active_ = marker;
  update();
  emit MarkersMoved();
}

double WaveformView::SecondsAt(double x) const {
  return width() > 0 ? std::clamp(x / width(), 0.0, 1.0) * seconds_ : 0;
}

double WaveformView::XOf(double seconds) const {
  return seconds_ > 0 ? seconds / seconds_ * width() : 0;
}

void WaveformView::mousePressEvent(QMouseEvent* event) {
  const double x = event->position().x();
  const Marker nearest =
      std::abs(x - XOf(start_)) <= std::abs(x - XOf(end_)) ? Marker::Start : Marker::End;
  MoveMarker(nearest, SecondsAt(x));
}

void WaveformView::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) MoveMarker(active_, SecondsAt(event->position().x()));
}

void WaveformView::keyPressEvent(QKeyEvent* event) {
  const double step =
      event->modifiers() & Qt::ShiftModifier ? ShiftArrowStepSeconds : ArrowStepSeconds;
  const double at = active_ == Marker::Start ? start_ : end_;
  switch (event->key()) {
    case Qt::Key_Home:
      MoveMarker(Marker::Start, 0);
      break;
    case Qt::Key_End:
      MoveMarker(Marker::End, seconds_);
      break;
    case Qt::Key_Left:
      MoveMarker(active_, at - step);
      break;
    case Qt::Key_Right:
      MoveMarker(active_, at + step);
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

void WaveformView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // What is cut away is greyed; the stretch kept stands out.
  painter.fillRect(rect(), palette().window().color().darker(115));
  painter.fillRect(QRectF(XOf(start_), 0, XOf(end_) - XOf(start_), height()),
                   palette().highlight().color().lighter(170));
  if (!note_.isEmpty()) {
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, note_);
  } else {
    DrawPeaks(painter);
    DrawFadeRamps(painter);
  }
  DrawMarkers(painter);
}

double WaveformView::GainAt(double seconds) const {
  if (seconds < start_ || seconds > end_) return 0;
  double gain = 1;
  if (fadeIn_ > 0) gain *= FadeGain((seconds - start_) / fadeIn_);
  if (fadeOut_ > 0) gain *= FadeGain((end_ - seconds) / fadeOut_);
  return gain;
}

// Inside the markers as the edit will sound; outside, as it was, in grey.
void WaveformView::DrawPeaks(QPainter& painter) const {
  if (peaks_.empty()) return;
  const QColor kept = palette().text().color();
  const QColor cut = palette().color(QPalette::Disabled, QPalette::Text);
  const double middle = height() / 2.0;
  for (int x = 0; x < width(); ++x) {
    const PeakRange& peak =
        peaks_[static_cast<std::size_t>(x) * peaks_.size() / static_cast<std::size_t>(width())];
    const double seconds = SecondsAt(x + 0.5);
    const bool inside = seconds >= start_ && seconds <= end_;
    const double gain = inside ? GainAt(seconds) : 1;
    painter.setPen(inside ? kept : cut);
    painter.drawLine(QPointF(x, middle - peak.Max * gain * middle),
                     QPointF(x, middle - peak.Min * gain * middle));
  }
}

// Each fade's gain as a line from silence at its marker to full inside it.
void WaveformView::DrawFadeRamps(QPainter& painter) const {
  painter.setPen(QPen(palette().highlight().color().darker(150), 2));
  const auto ramp = [&](double from, double to) {
    const int first = static_cast<int>(XOf(std::min(from, to)));
    const int last = static_cast<int>(std::ceil(XOf(std::max(from, to))));
    QPointF previous;
    for (int x = first; x <= last; ++x) {
      const QPointF point(x, height() * (1 - GainAt(std::clamp(SecondsAt(x), start_, end_))));
      if (x > first) painter.drawLine(previous, point);
      previous = point;
    }
  };
  if (fadeIn_ > 0) ramp(start_, std::min(start_ + fadeIn_, end_));
  if (fadeOut_ > 0) ramp(std::max(end_ - fadeOut_, start_), end_);
}

void WaveformView::DrawMarkers(QPainter& painter) const {
  for (const Marker marker : {Marker::Start, Marker::End}) {
    const double x = XOf(marker == Marker::Start ? start_ : end_);
    // The marker the arrows move is drawn thicker.
    painter.setPen(QPen(marker == Marker::Start ? Qt::darkGreen : Qt::darkRed,
                        marker == active_ && hasFocus() ? 3 : 1));
    painter.drawLine(QPointF(x, 0), QPointF(x, height()));
  }
}
