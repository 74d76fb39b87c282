#pragma once

#include <QDialog>

#include "widgets/AppPorts.h"
#include "devicethread/UnitStatusHolder.h"

class LinkLabel;
class QLabel;

// The program's own version: the project's version, which the package
// carries as well.
inline constexpr char SoftwareVersion[] = VANTORA_VERSION;

// The About box: a fixed-size dialog, shown over the program's window, whose
// input it holds while it is open, and centred over it. It shows the program's version,
// the unit's software version as the last probe read it, the maker's notice
// and three links: home page, support page and a mail to support.
class AboutBox : public QDialog {
  Q_OBJECT

 public:
  static constexpr QSize ClientSize{460, 405};

  // Owned by the main window, over which it is shown.
  AboutBox(AppPorts& ports, const UnitStatusHolder& unit, QWidget* window);

  // Shown centred over its window, which waits for it to close.
  void ShowOverWindow();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void LayOut();
  void FillTexts();
  void OpenTarget(LinkLabel* label);

  AppPorts& ports_;
  const UnitStatusHolder& unit_;
  QLabel* picture_;
  QLabel* title_;
  QLabel* versions_;
  LinkLabel* homePageLink_;
  LinkLabel* webSupportLink_;
  LinkLabel* emailSupportLink_;
};
