#pragma once

#include <QCoreApplication>
#include <QString>

// The application's title: message boxes without a title of their own show
// it. It is not Qt's application display name, which X11 would append to
// every window's caption.
inline QString ApplicationTitle() {
  return QCoreApplication::translate("ApplicationTitle", "Door Bell Programmer");
}
