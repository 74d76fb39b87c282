#include "programming/InputHold.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace {

bool IsInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

}  // namespace

InputHold::~InputHold() {
  Release();
}

void InputHold::Hold(QWidget* stayingControl) {
  if (held_) return;
  held_ = true;
  stayingControl_ = stayingControl;
  QCoreApplication::instance()->installEventFilter(this);
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

void InputHold::Release() {
  if (!held_) return;
  held_ = false;
  QCoreApplication::instance()->removeEventFilter(this);
  QApplication::restoreOverrideCursor();
}

bool InputHold::Passes(QObject* watched, QEvent* event) const {
  if (stayingControl_ == nullptr) return false;
  QWidget* itsWindow = stayingControl_->window();
  // The close box reaches the window system's window first, then the widget.
  if (event->type() == QEvent::Close) {
    return watched == itsWindow || watched == itsWindow->windowHandle();
  }
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr) return false;
  const bool inItsWindow = widget->window() == itsWindow;
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape && inItsWindow) return true;
  }
  return widget == stayingControl_ || stayingControl_->isAncestorOf(widget);
}

bool InputHold::eventFilter(QObject* watched, QEvent* event) {
  if (Passes(watched, event)) return QObject::eventFilter(watched, event);
  if (event->type() == QEvent::Close) {
    // An ignored close keeps the window open.
    event->ignore();
    return true;
  }
  if (IsInput(event->type())) return true;
  return QObject::eventFilter(watched, event);
}
