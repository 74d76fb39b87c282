#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>

// Adds an entry named after its control to a menu or menu bar, before the
// entry `before` (at the end without one); choosing it calls the handler
// (a command that asks goes on by itself once answered).
template <typename Receiver, typename Result>
QAction* AddMenuEntry(QWidget* menu, const char* objectName, const QString& caption,
                      Receiver* receiver, Result (Receiver::*handler)(),
                      QAction* before = nullptr) {
  auto* entry = new QAction(caption, menu);
  entry->setObjectName(QString::fromLatin1(objectName));
  QObject::connect(entry, &QAction::triggered, receiver, handler);
  menu->insertAction(before, entry);
  return entry;
}

// Adds a menu named after its control to a menu bar, before the menu entry
// `before` (at the end without one).
inline QMenu* AddMenu(QMenuBar* bar, const char* objectName, const QString& caption,
                      QAction* before = nullptr) {
  auto* menu = new QMenu(caption, bar);
  menu->setObjectName(QString::fromLatin1(objectName));
  bar->insertMenu(before, menu);
  return menu;
}
