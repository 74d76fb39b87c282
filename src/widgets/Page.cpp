#include "widgets/Page.h"

#include <QMouseEvent>
#include <QResizeEvent>
#include <QSettings>
#include <QShowEvent>
#include <QSplitter>
#include <QWindow>

namespace {

// The narrowest the help pane may be made with the handle.
constexpr int MinimumRightWidth = 200;
const QString WindowSizeSetting = QStringLiteral("Window/Size");

}  // namespace

Page::Page(AppPorts& ports, const char* objectName, const QString& caption, QSize designClientSize)
    : ports_(ports),
      client_(new QWidget(this)),
      layout_(new AnchorLayout(client_, designClientSize)),
      controlArea_(client_) {
  setObjectName(QString::fromLatin1(objectName));
  setWindowTitle(caption);
  setCentralWidget(client_);
  move(0, 0);
}

void Page::Place(QWidget* control, QRect design, int anchors) {
  layout_->AddControl(control, design, anchors);
}

void Page::SplitClientArea(QRect design, int leftWidth, QWidget* right,
                           const QString& settingsKey) {
  auto* splitter = new QSplitter(Qt::Horizontal, client_);
  splitter->setObjectName(QStringLiteral("Splitter1"));
  splitter->setChildrenCollapsible(false);
  controlArea_ = new QWidget(splitter);
  // The controls keep their design places: the part grows, never shrinks.
  controlArea_->setMinimumWidth(leftWidth);
  right->setMinimumWidth(MinimumRightWidth);
  splitter->addWidget(controlArea_);
  splitter->addWidget(right);
  splitter->setSizes({leftWidth, design.width() - leftWidth});
  Place(splitter, design, AnchorAll);
  layout_ = new AnchorLayout(controlArea_, QSize(leftWidth, design.height()));
  splitter->restoreState(ports_.Settings.value(settingsKey).toByteArray());
  connect(splitter, &QSplitter::splitterMoved, this, [this, splitter, settingsKey] {
    ports_.Settings.setValue(settingsKey, splitter->saveState());
  });
}

void Page::ApplyStartSize() {
  const QSize kept = ports_.Settings.value(WindowSizeSetting).toSize();
  resize(kept.isValid() ? kept.expandedTo(MinimumOuterSize) : sizeHint());
}

bool Page::OpenExternally(const QUrl& url) {
  return ports_.OpenUrl(url);
}

void Page::PlaceFrameAt(QPoint point) {
  move(point);
  // Qt places a window by its frame once the frame is known. Without one
  // (never shown, or unmapped by the window manager) the window would stand
  // by its client area, its title bar pushed off screen; the window manager
  // is then asked to put the frame there as the window is shown.
  framePositionToAsk_.reset();
  if (frameGeometry() == geometry()) framePositionToAsk_ = point;
}

void Page::EndApplication() {
  ports_.EndApplication();
}

void Page::KeepMinimumSize() {
  const QSize outer = frameGeometry().size();
  // While a resize is under way the frame can be known smaller than the
  // window it holds; growing by that would grow the window twice over.
  if (outer.width() < width() || outer.height() < height()) return;
  const QSize wanted = outer.expandedTo(MinimumOuterSize);
  if (wanted != outer) resize(size() + (wanted - outer));
}

void Page::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!event->spontaneous()) OnShown();
  // Asked last before the window is mapped, and with the native window at
  // the page's size: Qt drops the request on any later change of geometry.
  if (framePositionToAsk_ && windowHandle()) {
    windowHandle()->resize(size());
    windowHandle()->setFramePosition(*framePositionToAsk_);
    framePositionToAsk_.reset();
  }
}

void Page::hideEvent(QHideEvent* event) {
  QMainWindow::hideEvent(event);
  if (!event->spontaneous()) OnHidden();
}

void Page::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  KeepMinimumSize();
  // The pages share one size: the one on screen tells it for the next run.
  if (isVisible()) ports_.Settings.setValue(WindowSizeSetting, size());
}

void Page::mouseReleaseEvent(QMouseEvent* event) {
  QMainWindow::mouseReleaseEvent(event);
  // Releases over a control or the menu bar belong to them; only the bare
  // client area counts as the window's own.
  QWidget* under = childAt(event->position().toPoint());
  if (under == client_ || under == controlArea_) OnFreeAreaReleased(event->button());
}

void ShowInPlaceOf(Page* next, Page* current) {
  next->resize(current->size());
  next->PlaceFrameAt(current->frameGeometry().topLeft());
  current->hide();
  next->show();
}
