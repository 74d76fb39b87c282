#include "application/StartRequests.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include "application/PageFlow.h"
#include "application/StartPage.h"
#include "editor/ProfileEditor.h"
#include "profiles/UserPrompts.h"
#include "programming/ProgrammingPage.h"

namespace {

// How soon a waiting file is tried again. Questions and dialogs end in
// nested event loops that tell nobody; looking again is simplest.
constexpr int RetryMs = 250;

void Restore(QWidget* window) {
  window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  window->raise();
  window->activateWindow();
}

}  // namespace

StartRequests::StartRequests(UserPrompts& prompts, PageFlow& flow, StartPage& start,
                             ProfileEditor& editor, ProgrammingPage& programming)
    : prompts_(prompts),
      flow_(flow),
      start_(start),
      editor_(editor),
      programming_(programming),
      retry_(new QTimer(this)) {
  retry_->setSingleShot(true);
  retry_->setInterval(RetryMs);
  connect(retry_, &QTimer::timeout, this, &StartRequests::OpenWaitingFiles);
}

void StartRequests::ShowFirstPage(const QString& profileFile) {
  if (!profileFile.isEmpty() &&
      editor_.Profiles().SelectProfileFile(QFile::encodeName(profileFile).toStdString())) {
    flow_.ShowEditor();
    return;
  }
  start_.show();
}

void StartRequests::TakeLaterStart(const QString& profileFile) {
  BringToFront();
  if (profileFile.isEmpty()) return;
  waitingFiles_.append(profileFile);
  OpenWaitingFiles();
}

bool StartRequests::Busy() const {
  return prompts_.IsOpen() || QApplication::activeModalWidget() != nullptr ||
         programming_.RunInProgress() || QApplication::mouseButtons() != Qt::NoButton;
}

void StartRequests::OpenWaitingFiles() {
  while (!waitingFiles_.isEmpty()) {
    if (Busy()) {
      retry_->start();
      return;
    }
    OpenInEditor(waitingFiles_.takeFirst());
  }
}

void StartRequests::OpenInEditor(const QString& profileFile) {
  ProfileStore& profiles = editor_.Profiles();
  if (!profiles.SelectProfileFile(QFile::encodeName(profileFile).toStdString())) return;
  // The editor loads the selected profile as it is shown; on screen, as
  // when the user selects it.
  if (editor_.isVisible()) {
    profiles.LoadSelectedProfile();
  } else {
    flow_.ShowEditor();
  }
}

Page* StartRequests::PageOnScreen() const {
  for (Page* page : std::initializer_list<Page*>{&start_, &editor_, &programming_}) {
    if (page->isVisible()) return page;
  }
  return nullptr;
}

void StartRequests::BringToFront() {
  if (Page* page = PageOnScreen()) Restore(page);
  // A question or dialog open over the page comes first.
  if (QWidget* dialog = QApplication::activeModalWidget()) Restore(dialog);
}
