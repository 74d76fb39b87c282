#pragma once

#include <QObject>

class AboutBox;
class Page;
class ProfileEditor;
class ProgrammingPage;
class StartPage;
struct AppPorts;

// The way through the pages: start page, editor, programming page and back,
// each page shown in the place of the one it follows. The pages only ask;
// the flow moves, hands the programming page the profile it programs, shows
// the About box over the page that asked for it and ends the application
// when the Program button says FINISH.
class PageFlow : public QObject {
  Q_OBJECT

 public:
  PageFlow(AppPorts& ports, StartPage& start, ProfileEditor& editor, ProgrammingPage& programming,
           AboutBox& about);

  // The editor in place of the page on screen, as the programming page's
  // Previous button or the start page's Next button shows it, and in the
  // start page's place when no page is shown yet. It loads its selected
  // profile as it is shown.
  void ShowEditor();

 private:
  void ShowProgrammingPage();

  StartPage& start_;
  ProfileEditor& editor_;
  ProgrammingPage& programming_;
};
