#pragma once

#include <QObject>
#include <QString>

#include "widgets/AppPorts.h"

class HelpPane;
class QAction;
class QMenu;

// The Help menu entries that the start page and the profile editor share, in
// their order: "Manual", "Driver Installation", "Acquire Sounds from the
// Internet", "Record Sounds", "Rip, Edit, Convert Sounds" and "Save Support
// Report…". Four of them open a document outside the program, or show it in
// the help pane of the page whose menu was used when no installed program
// opens it; "Acquire Sounds from the Internet" always shows its page in that
// pane; the last shows the support report before it is saved.
class SharedHelpEntries : public QObject {
  Q_OBJECT

 public:
  // Inserts the entries into the menu before the entry `before`.
  // editSoundsFailure is the page's own message for a "Rip, Edit, Convert
  // Sounds" document that is missing; the other messages are the same on
  // both pages.
  SharedHelpEntries(QMenu* helpMenu, QAction* before, HelpPane* pane, AppPorts& ports,
                    const QString& editSoundsFailure);
};

// The entry "Manual": the manual's PDF in the system's viewer or, without
// one, the manual's HTML form in the pane, over the page's help.
QAction* ManualEntry(QObject* parent, HelpPane* pane, AppPorts& ports);
// F1 anywhere in its window: the manual's HTML form in the pane, over the
// page's help, to which Back (Alt+Left) returns.
QAction* ManualKey(QObject* parent, HelpPane* pane);
