#include "application/GuardedApplication.h"

#include <QMessageBox>
#include <exception>

#include "widgets/ApplicationTitle.h"

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ShowExceptionMessage(error.what());
  }
  return false;
}

void ShowExceptionMessage(const char* message) {
  QMessageBox::critical(nullptr, ApplicationTitle(), QString::fromLocal8Bit(message));
}
