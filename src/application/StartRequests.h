#pragma once

#include <QObject>
#include <QStringList>

class Page;
class PageFlow;
class ProfileEditor;
class ProgrammingPage;
class QTimer;
class StartPage;
class UserPrompts;

// What the starts of the windows ask for. The first start shows the start
// page, or the editor on the profile file it was given. A later start brings
// the page on screen to the front and may hand over a profile file, which
// the editor then shows.
class StartRequests : public QObject {
  Q_OBJECT

 public:
  StartRequests(UserPrompts& prompts, PageFlow& flow, StartPage& start, ProfileEditor& editor,
                ProgrammingPage& programming);

  // The profile file is empty when none was given.
  void ShowFirstPage(const QString& profileFile);
  void TakeLaterStart(const QString& profileFile);

 private:
  // A file waits while the user is in the middle of something: a question
  // or dialog, a programming run, a mouse button held (a drag of sounds).
  bool Busy() const;
  void OpenWaitingFiles();
  // The editor shows the file's profile, unless the file was refused.
  void OpenInEditor(const QString& profileFile);
  Page* PageOnScreen() const;
  void BringToFront();

  UserPrompts& prompts_;
  PageFlow& flow_;
  StartPage& start_;
  ProfileEditor& editor_;
  ProgrammingPage& programming_;
  QStringList waitingFiles_;
  QTimer* retry_;
};
