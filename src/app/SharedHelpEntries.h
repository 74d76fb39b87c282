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
  SharedHelpEntries(QMenu* help1, QAction* before, HelpPane* pane, AppPorts& ports,
                    QString editSoundsFailure);

  void Manual1Click();
  void DriverInstallation1Click();
  void AcquireSoundsfromtheInternet1Click();
  void RecordSounds1Click();
  void RipEditConvertSongs1Click();

 private:
  HelpPane* pane_;
  AppPorts& ports_;
  QString editSoundsFailure_;
};
