#pragma once

#include <QObject>
#include <QString>

#include "app/AppPorts.h"

class HelpPane;
class QAction;
class QMenu;

// The Help menu entries that the start page and the profile editor share, in
// their order: "Manual", "Driver Installation", "Acquire Sounds from the
// Internet", "Record Sounds" and "Rip, Edit, Convert Sounds". Four of them
// open a document outside the program; "Acquire Sounds from the Internet"
// shows its page in the help pane of the page whose menu was used.
class SharedHelpEntries : public QObject {
  Q_OBJECT

 public:
  // Inserts the entries into the menu before the entry `before`.
  // editSoundsFailure is the page's own message for a "Rip, Edit, Convert
  // Sounds" document that cannot be opened; the other messages are the same
  // on both pages.
  SharedHelpEntries(QMenu* helpMenu, QAction* before, HelpPane* pane, AppPorts& ports,
                    const QString& editSoundsFailure);

 private:
  QAction* AddDocumentEntry(const char* objectName, const QString& caption,
                            const QString& document, const QString& failure);

  QMenu* helpMenu_;
  QAction* before_;
  AppPorts& ports_;
};
