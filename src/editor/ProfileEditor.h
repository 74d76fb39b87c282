#pragma once

#include "app/Page.h"
#include "app/Windows.h"

class HelpPane;
class QAction;
class QMenu;
class QPushButton;
class QTimer;

// The profile editor "Create Song Profile".
class ProfileEditor : public Page {
  Q_OBJECT

 public:
  static constexpr int PollIntervalMs = 1000;

  ProfileEditor(AppPorts& ports, Windows& windows);

  void bbPreviousClick();
  void About1Click();

 protected:
  void FormShow() override;
  void FormMouseUp(Qt::MouseButton button) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  Windows& windows_;
  HelpPane* Panel1;
  QPushButton* bbPrevious;
  QPushButton* bbNext;
  QMenu* Help1;
  QAction* About1;
  QTimer* Timer1;
};
