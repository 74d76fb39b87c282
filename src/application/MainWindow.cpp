#include "application/MainWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>

#include "widgets/Page.h"

namespace {

const QString WindowSizeSetting = QStringLiteral("Window/Size");

}  // namespace

QPoint StartPosition(QSize screen) {
  return {screen.width() > 800 ? 10 : 0, screen.height() > 600 ? 10 : 0};
}

MainWindow::MainWindow(AppPorts& ports) : ports_(ports), pages_(new QStackedWidget(this)) {
  setObjectName(QStringLiteral("MainWindow"));
  setCentralWidget(pages_);
  connect(pages_, &QStackedWidget::currentChanged, this, &MainWindow::ShowCaption);
}

void MainWindow::AddPage(Page* page) {
  pages_->addWidget(page);
  // The page's caption and changed mark are the window's while it is shown.
  page->installEventFilter(this);
}

void MainWindow::ShowPage(Page* page) {
  pages_->setCurrentWidget(page);
}

Page* MainWindow::PageOnScreen() const {
  return static_cast<Page*>(pages_->currentWidget());
}

void MainWindow::PlaceAtStart() {
  const QSize kept = ports_.Settings.value(WindowSizeSetting).toSize();
  // A first start opens at the design's size, larger only where the pages
  // cannot show their texts whole in it (a longer language, a larger font);
  // the status panels' spare room gives way first.
  resize(kept.isValid() ? kept.expandedTo(MinimumOuterSize) : minimumSizeHint());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(StartPosition(screen->size()));
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const bool captionChanged =
      event->type() == QEvent::WindowTitleChange || event->type() == QEvent::ModifiedChange;
  if (captionChanged && watched == PageOnScreen()) ShowCaption();
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::ShowCaption() {
  const Page* page = PageOnScreen();
  if (!page) return;
  setWindowTitle(page->windowTitle());
  setWindowModified(page->isWindowModified());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (closing_ || !PageOnScreen()) {
    event->accept();
    ports_.EndApplication();
    return;
  }
  if (!asking_) {
    closeEventUnderWay_ = true;
    AskPageToClose();
    closeEventUnderWay_ = false;
  }
  // Answered at once, the question lets this very close go on.
  if (closing_) {
    event->accept();
    ports_.EndApplication();
  } else {
    event->ignore();
  }
}

Task<> MainWindow::AskPageToClose() {
  asking_ = true;
  const bool mayClose = co_await PageOnScreen()->MayClose();
  asking_ = false;
  if (!mayClose) co_return;
  closing_ = true;
  if (!closeEventUnderWay_) close();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  KeepMinimumSize();
  // Kept for the next run.
  if (isVisible()) ports_.Settings.setValue(WindowSizeSetting, size());
}

void MainWindow::KeepMinimumSize() {
  const QSize outer = frameGeometry().size();
  // While a resize is under way the frame can be known smaller than the
  // window it holds; growing by that would grow the window twice over.
  if (outer.width() < width() || outer.height() < height()) return;
  const QSize wanted = outer.expandedTo(MinimumOuterSize);
  if (wanted != outer) resize(size() + (wanted - outer));
}
