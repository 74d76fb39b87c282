#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

#include "profiles/UserPrompts.h"

class QDialog;
class QWidget;

// The questions and dialogs as Qt message boxes, Qt's own file dialog and an
// input box, each opened over the program's window (window-modal, with
// QDialog::open()) and answered to its continuation once the user closes it.
// No event loop of its own runs while one is open.
class QtUserPrompts final : public QObject, public UserPrompts {
  Q_OBJECT

 public:
  // The window the questions belong to; before one is given, they open on
  // their own.
  void OpenOver(QWidget* window) { window_ = window; }

  void Ask(const Question& question, std::function<void(PromptAnswer)> answered) override;
  void ChooseFiles(const FileDialog& dialog,
                   std::function<void(std::vector<std::string>)> chosen) override;
  void AskText(const TextRequest& request,
               std::function<void(std::optional<std::string>)> typed) override;
  bool IsOpen() const override { return openDialogs_ > 0; }
  void WhenNoneOpen(std::function<void()> then) override;

 private:
  // Opens the dialog; `finished` runs once the user has closed it, and what
  // waited for no dialog to be open runs after it.
  void Open(QDialog* dialog, std::function<void()> finished);
  void RunWhatWaited();

  QPointer<QWidget> window_;
  int openDialogs_ = 0;
  std::vector<std::function<void()>> waiting_;
};
