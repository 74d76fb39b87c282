#pragma once

#include <QDialog>

// The About box: a fixed-size dialog centred on the screen, shown modally
// over the page whose Help menu opened it.
class AboutBox : public QDialog {
  Q_OBJECT

 public:
  static constexpr QSize ClientSize{460, 405};

  AboutBox();
};
