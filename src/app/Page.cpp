#include "app/Page.h"

#include <QMouseEvent>
#include <QResizeEvent>
#include <QShowEvent>

Page::Page(AppPorts& ports, const char* objectName, const QString& caption, QSize designClientSize)
    : ports_(ports),
      client_(new QWidget(this)),
      layout_(new AnchorLayout(client_, designClientSize)) {
  setObjectName(QString::fromLatin1(objectName));
  setWindowTitle(caption);
  setCentralWidget(client_);
  move(0, 0);
}

void Page::Place(QWidget* control, QRect design, int anchors) {
  layout_->AddControl(control, design, anchors);
}

void Page::ApplyDesignSize() {
  resize(sizeHint());
}

bool Page::OpenExternally(const QUrl& url) {
  return ports_.OpenUrl(url);
}

void Page::EndApplication() {
  ports_.EndApplication();
}

void Page::FormResize() {
  const QSize outer = frameGeometry().size();
  const QSize wanted = outer.expandedTo(MinimumOuterSize);
  if (wanted != outer) resize(size() + (wanted - outer));
}

void Page::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void Page::hideEvent(QHideEvent* event) {
  QMainWindow::hideEvent(event);
  if (!event->spontaneous()) FormHide();
}

void Page::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FormResize();
}

void Page::mouseReleaseEvent(QMouseEvent* event) {
  QMainWindow::mouseReleaseEvent(event);
  // Releases over a control or the menu bar belong to them; only the bare
  // client area counts as the window's own.
  if (childAt(event->position().toPoint()) == client_) FormMouseUp(event->button());
}

void ShowInPlaceOf(Page* next, Page* current) {
  next->move(current->pos());
  current->hide();
  next->show();
}
