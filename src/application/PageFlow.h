#pragma once

#include <QObject>

#include "profiles/Task.h"

class AboutBox;
class MainWindow;
class ProfileEditor;
class ProgrammingPage;
class StartPage;
struct AppPorts;

// The way through the pages of the window: start page, editor, programming
// page and back. The pages only ask; the flow moves, hands the programming
// page the lists it programs, shows the About box over the window and ends
// the application when the Program button says FINISH.
class PageFlow : public QObject {
  Q_OBJECT

 public:
  PageFlow(AppPorts& ports, MainWindow& window, StartPage& start, ProfileEditor& editor,
           ProgrammingPage& programming, AboutBox& about);

  void ShowStart();
  // The editor on the selected profile, loaded afresh: as the start page's
  // NEXT shows it, and for a profile handed over.
  Task<> ShowEditorOnSelectedProfile();
  // The editor with the lists as they are: back from the programming page.
  void ShowEditor();
  void ShowProgrammingPage();

 private:
  MainWindow& window_;
  StartPage& start_;
  ProfileEditor& editor_;
  ProgrammingPage& programming_;
};
