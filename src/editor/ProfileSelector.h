#pragma once

#include <QComboBox>

// The profile selector: it says when its list is about to drop down, so that
// the list can follow the Profiles folder first.
class ProfileSelector : public QComboBox {
  Q_OBJECT

 public:
  using QComboBox::QComboBox;

  void showPopup() override {
    emit Opening();
    QComboBox::showPopup();
  }

 signals:
  void Opening();
};
