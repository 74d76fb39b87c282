#include "editor/StatusPanel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>
#include <algorithm>

StatusPanel::StatusPanel(const QString& text, const QString& usualText, Longer longer,
                         QWidget* parent)
    : QLabel(text, parent), usualText_(usualText), longer_(longer) {
  setTextFormat(Qt::PlainText);
}

int StatusPanel::TextWidth(const QString& text) const {
  const QMargins margins = contentsMargins();
  return fontMetrics().horizontalAdvance(text) + margins.left() + margins.right();
}

QSize StatusPanel::sizeHint() const {
  const int height = QLabel::sizeHint().height();
  if (longer_ == Longer::Elides) return {TextWidth(text()), height};
  const int gap = fontMetrics().horizontalAdvance(QStringLiteral("000"));
  return {std::max(TextWidth(text()), TextWidth(usualText_)) + gap, height};
}

// Short of room, the panels give up the room kept for usual texts and most
// of their gaps before they cut a text.
QSize StatusPanel::minimumSizeHint() const {
  const int whole = TextWidth(text());
  const int narrowest = longer_ == Longer::Elides
                            ? std::min(whole, TextWidth(usualText_))
                            : whole + fontMetrics().horizontalAdvance(QLatin1Char('0'));
  return {narrowest, QLabel::minimumSizeHint().height()};
}

bool StatusPanel::Cut() const {
  return fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

void StatusPanel::paintEvent(QPaintEvent* event) {
  if (!Cut()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  const QRect room = contentsRect();
  style()->drawItemText(&painter, room, static_cast<int>(alignment()), palette(), isEnabled(),
                        fontMetrics().elidedText(text(), Qt::ElideRight, room.width()),
                        foregroundRole());
}

bool StatusPanel::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && Cut()) {
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
    return true;
  }
  return QLabel::event(event);
}
