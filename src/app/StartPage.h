#pragma once

#include "app/Page.h"
#include "app/Windows.h"

class HelpPane;
class QAction;
class QMenu;
class QPushButton;

// The start page "Welcome", the application's main window.
class StartPage : public Page {
  Q_OBJECT

 public:
  StartPage(AppPorts& ports, Windows& windows);

  void bbContinueClick();
  void About1Click();

 protected:
  void FormShow() override;
  void FormMouseUp(Qt::MouseButton button) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  Windows& windows_;
  HelpPane* Panel1;
  QPushButton* bbContinue;
  QMenu* Help1;
  QAction* N1;
  QAction* About1;
};

// Where the start page opens on a screen of the given size.
QPoint StartPagePosition(QSize screen);
