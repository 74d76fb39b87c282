#include "widgets/Page.h"

#include <QMenuBar>
#include <QMouseEvent>
#include <QSettings>
#include <QShowEvent>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The narrowest the help pane may be made with the handle, and its width
// beside the left part at the design's size.
constexpr int MinimumRightWidth = 200;
constexpr int DesignRightWidth = 361;

}  // namespace

Page::Page(AppPorts& ports, const char* objectName, const QString& caption)
    : ports_(ports), layout_(new QVBoxLayout(this)) {
  setObjectName(QString::fromLatin1(objectName));
  setWindowTitle(caption);
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->setSpacing(0);
}

QMenuBar* Page::MenuBar() {
  if (!menuBar_) {
    menuBar_ = new QMenuBar(this);
    layout_->insertWidget(0, menuBar_);
  }
  return menuBar_;
}

QStatusBar* Page::StatusBar() {
  if (!statusBar_) {
    statusBar_ = new QStatusBar(this);
    statusBar_->setSizeGripEnabled(false);
    layout_->addWidget(statusBar_);
  }
  return statusBar_;
}

void Page::SetContent(QLayout* content) {
  layout_->insertWidget(menuBar_ ? 1 : 0, Area(content), 1);
}

QWidget* Page::Area(QLayout* layout) {
  auto* area = new QWidget(this);
  area->setLayout(layout);
  areas_.insert(area);
  return area;
}

QSplitter* Page::Split(QWidget* left, QWidget* right, int designLeftWidth,
                       const QString& settingsKey) {
  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->setObjectName(QStringLiteral("Splitter1"));
  splitter->setChildrenCollapsible(false);
  right->setMinimumWidth(MinimumRightWidth);
  splitter->addWidget(left);
  splitter->addWidget(right);
  const int leftWidth = std::max(designLeftWidth, left->minimumSizeHint().width());
  splitter->setSizes({leftWidth, DesignRightWidth});
  splitter->restoreState(ports_.Settings.value(settingsKey).toByteArray());
  connect(splitter, &QSplitter::splitterMoved, this, [this, splitter, settingsKey] {
    ports_.Settings.setValue(settingsKey, splitter->saveState());
  });
  return splitter;
}

bool Page::OpenExternally(const QUrl& url) {
  return ports_.OpenUrl(url);
}

Task<bool> Page::MayClose() {
  co_return true;
}

void Page::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) OnShown();
}

void Page::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous()) OnHidden();
}

void Page::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
  // Releases over a control or the menu bar belong to them; only the bare
  // areas count as the page's own.
  QWidget* under = childAt(event->position().toPoint());
  if (under == nullptr || areas_.contains(under)) OnFreeAreaReleased(event->button());
}
