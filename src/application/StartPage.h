#pragma once

#include "widgets/Page.h"

class HelpPane;
class QPushButton;

// The start page "Welcome", the application's main window.
class StartPage : public Page {
  Q_OBJECT

 public:
  explicit StartPage(AppPorts& ports);

 signals:
  // On to the profile editor.
  void NextRequested();
  // The About box, over this page.
  void AboutRequested();

 protected:
  void OnShown() override;
  void OnFreeAreaReleased(Qt::MouseButton button) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  HelpPane* helpPane_;
  QPushButton* nextButton_;
};

// Where the start page opens on a screen of the given size.
QPoint StartPagePosition(QSize screen);
