#pragma once

#include <QObject>
#include <QStringList>

#include "profiles/Task.h"

class MainWindow;
class PageFlow;
class ProfileEditor;
class ProgrammingPage;
class UserPrompts;

// What the starts of the windows ask for. The first start shows the start
// page, or the editor on the profile file it was given. A later start brings
// the window to the front and may hand over a profile file, which the
// editor then shows.
class StartRequests : public QObject {
  Q_OBJECT

 public:
  StartRequests(UserPrompts& prompts, MainWindow& window, PageFlow& flow, ProfileEditor& editor,
                ProgrammingPage& programming);

  // Shows the window. The profile file is empty when none was given.
  Task<> ShowFirstPage(QString profileFile);
  void TakeLaterStart(const QString& profileFile);

 private:
  // A file waits while the user is in the middle of something: a question
  // or dialog, a programming run, Make It Fit; each says when it is over.
  bool Busy() const;
  void OpenWaitingFiles();
  Task<> OpenWaitingFilesInTurn();
  // The editor shows the file's profile, unless the file was refused.
  Task<> OpenInEditor(QString profileFile);
  void BringToFront();

  UserPrompts& prompts_;
  MainWindow& window_;
  PageFlow& flow_;
  ProfileEditor& editor_;
  ProgrammingPage& programming_;
  QStringList waitingFiles_;
  bool opening_ = false;
  bool waitingForQuestions_ = false;
};
