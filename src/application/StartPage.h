#pragma once

#include "widgets/Page.h"

class HelpPane;
class QPushButton;

// The start page "Welcome": the introduction in its help pane, and NEXT.
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

 private:
  HelpPane* helpPane_;
  QPushButton* nextButton_;
};
