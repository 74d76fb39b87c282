#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

// How far Make It Fit's work has come: a line of what it does, a bar, and
// Cancel. Cancel, Esc and the close box ask the work to stop; the dialog
// stays, saying so, until the work has stopped. It blocks its window only,
// so that the rest of the program goes on.
class FitProgressDialog final : public QDialog {
 public:
  FitProgressDialog(QWidget* window, std::function<void()> cancel);

  // A bar of 0 to `maximum`, or a busy bar for a maximum of 0.
  void ShowWork(const QString& what, int maximum);
  void ShowDone(int value);

 protected:
  void reject() override;

 private:
  std::function<void()> cancel_;
  QLabel* what_;
  QProgressBar* bar_;
  QPushButton* cancelButton_;
};
