#pragma once

#include <QObject>

class QWidget;

// While held, no window of the application takes input: mouse buttons, the
// wheel, keys, shortcuts, drops and closing are swallowed, while every window
// goes on painting. A busy cursor shows the wait. One control stays usable
// (the button that stops what is held for), and in its window Esc and the
// close box still reach the window, which decides.
class InputHold : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;
  ~InputHold() override;

  void Hold(QWidget* stayingControl);
  void Release();
  bool IsHeld() const { return held_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Passes(QObject* watched, QEvent* event) const;

  bool held_ = false;
  QWidget* stayingControl_ = nullptr;
};
