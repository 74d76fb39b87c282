#include "widgets/LinkLabel.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(QWidget* parent, const char* objectName) : QLabel(parent) {
  setObjectName(QString::fromLatin1(objectName));
  setCursor(Qt::PointingHandCursor);
}

void LinkLabel::SetColour(const QColor& colour) {
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, colour);
  setPalette(palette);
}

QColor LinkLabel::Colour() const {
  return palette().color(QPalette::WindowText);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

// A click is a press and a release of the left button, both over the label.
void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click) emit clicked();
}
