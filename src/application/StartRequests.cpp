#include "application/StartRequests.h"

#include <QApplication>
#include <QFile>

#include "application/MainWindow.h"
#include "application/PageFlow.h"
#include "editor/ProfileEditor.h"
#include "profiles/UserPrompts.h"
#include "programming/ProgrammingPage.h"

namespace {

void Restore(QWidget* window) {
  window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  window->raise();
  window->activateWindow();
}

std::string LocalPath(const QString& file) {
  return QFile::encodeName(file).toStdString();
}

}  // namespace

StartRequests::StartRequests(UserPrompts& prompts, MainWindow& window, PageFlow& flow,
                             ProfileEditor& editor, ProgrammingPage& programming)
    : prompts_(prompts),
      window_(window),
      flow_(flow),
      editor_(editor),
      programming_(programming) {
  // What a waiting file waits for says when it is over.
  connect(&programming_, &ProgrammingPage::ProgrammingEnded, this,
          &StartRequests::OpenWaitingFiles);
  connect(&editor_, &ProfileEditor::NoLongerBusy, this, &StartRequests::OpenWaitingFiles);
}

Task<> StartRequests::ShowFirstPage(QString profileFile) {
  flow_.ShowStart();
  window_.show();
  if (profileFile.isEmpty()) co_return;
  const bool selected = co_await editor_.Profiles().SelectProfileFile(LocalPath(profileFile));
  if (selected) co_await flow_.ShowEditorOnSelectedProfile();
}

void StartRequests::TakeLaterStart(const QString& profileFile) {
  BringToFront();
  if (profileFile.isEmpty()) return;
  waitingFiles_.append(profileFile);
  OpenWaitingFiles();
}

bool StartRequests::Busy() const {
  return opening_ || prompts_.IsOpen() || programming_.RunInProgress() || editor_.Busy();
}

void StartRequests::OpenWaitingFiles() {
  if (waitingFiles_.isEmpty() || opening_) return;
  if (prompts_.IsOpen()) {
    if (!waitingForQuestions_) {
      waitingForQuestions_ = true;
      prompts_.WhenNoneOpen([this] {
        waitingForQuestions_ = false;
        OpenWaitingFiles();
      });
    }
    return;
  }
  if (Busy()) return;
  OpenWaitingFilesInTurn();
}

Task<> StartRequests::OpenWaitingFilesInTurn() {
  opening_ = true;
  while (!waitingFiles_.isEmpty()) co_await OpenInEditor(waitingFiles_.takeFirst());
  opening_ = false;
}

Task<> StartRequests::OpenInEditor(QString profileFile) {
  const bool selected = co_await editor_.Profiles().SelectProfileFile(LocalPath(profileFile));
  if (!selected) co_return;
  // The editor shows the selected profile: back from the programming page
  // as its Previous button goes, or from the start page as its NEXT does.
  if (window_.PageOnScreen() == &programming_) programming_.OnPreviousClicked();
  co_await flow_.ShowEditorOnSelectedProfile();
}

void StartRequests::BringToFront() {
  Restore(&window_);
  // A question or dialog open over the window comes first.
  if (QWidget* dialog = QApplication::activeModalWidget()) Restore(dialog);
}
