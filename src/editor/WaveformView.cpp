#include "editor/WaveformView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

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
  setToolTip(QStringLiteral(
      "Click or drag to set a marker. Home, End: start or end marker; arrows: 0.1 s, with "
      "Shift 1 s."));
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
  painter.fillRect(rect(), palette().base());
  // The stretch kept stands out from what is cut away.
  painter.fillRect(QRectF(XOf(start_), 0, XOf(end_) - XOf(start_), height()),
                   palette().highlight().color().lighter(170));
  if (!note_.isEmpty()) {
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, note_);
  } else {
    DrawPeaks(painter);
  }
  DrawMarkers(painter);
}

void WaveformView::DrawPeaks(QPainter& painter) const {
  if (peaks_.empty()) return;
  painter.setPen(palette().text().color());
  const double middle = height() / 2.0;
  for (int x = 0; x < width(); ++x) {
    const PeakRange& peak =
        peaks_[static_cast<std::size_t>(x) * peaks_.size() / static_cast<std::size_t>(width())];
    painter.drawLine(QPointF(x, middle - peak.Max * middle),
                     QPointF(x, middle - peak.Min * middle));
  }
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
