#include "app/Page.h"

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

void ShowInPlaceOf(Page* next, Page* current) {
  next->move(current->pos());
  current->hide();
  next->show();
}
