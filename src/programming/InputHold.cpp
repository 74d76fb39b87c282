#include "programming/InputHold.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>

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

void InputHold::Hold() {
  if (held_) return;
  held_ = true;
  QCoreApplication::instance()->installEventFilter(this);
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

void InputHold::Release() {
  if (!held_) return;
  held_ = false;
  QCoreApplication::instance()->removeEventFilter(this);
  QApplication::restoreOverrideCursor();
}

bool InputHold::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Close) {
    // An ignored close keeps the window open.
    event->ignore();
    return true;
  }
  if (IsInput(event->type())) return true;
  return QObject::eventFilter(watched, event);
}
