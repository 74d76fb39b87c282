#pragma once

#include <QObject>

// While held, no window of the application takes input: mouse buttons, the
// wheel, keys, shortcuts, drops and closing are swallowed, while every window
// goes on painting. A busy cursor shows the wait.
class InputHold : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;
  ~InputHold() override;

  void Hold();
  void Release();
  bool IsHeld() const { return held_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool held_ = false;
};
