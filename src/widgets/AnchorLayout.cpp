#include "widgets/AnchorLayout.h"

#include <QWidget>
#include <QWidgetItem>

namespace {

struct Span {
  int Start;
  int Length;
};

Span Stretch(int designStart, int designLength, int growth, bool nearEdge, bool farEdge) {
  if (nearEdge && farEdge) return {designStart, designLength + growth};
  if (farEdge) return {designStart + growth, designLength};
  if (nearEdge) return {designStart, designLength};
  return {designStart + growth / 2, designLength};
}

}  // namespace

AnchorLayout::AnchorLayout(QWidget* parent, QSize designSize)
    : QLayout(parent), designSize_(designSize) {
  setContentsMargins(0, 0, 0, 0);
}

AnchorLayout::~AnchorLayout() {
  for (const Placement& placement : items_) delete placement.Item;
}

void AnchorLayout::AddControl(QWidget* control, QRect design, int anchors) {
  addChildWidget(control);
  items_.append({new QWidgetItem(control), design, anchors});
  invalidate();
}

void AnchorLayout::addItem(QLayoutItem* item) {
  items_.append({item, item->geometry(), AnchorLeft | AnchorTop});
}

QLayoutItem* AnchorLayout::itemAt(int index) const {
  return index >= 0 && index < items_.size() ? items_[index].Item : nullptr;
}

QLayoutItem* AnchorLayout::takeAt(int index) {
  if (index < 0 || index >= items_.size()) return nullptr;
  return items_.takeAt(index).Item;
}

void AnchorLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  const int growthX = rect.width() - designSize_.width();
  const int growthY = rect.height() - designSize_.height();
  for (const Placement& placement : items_) {
    const QRect& design = placement.Design;
    const Span x = Stretch(design.x(), design.width(), growthX, placement.Anchors & AnchorLeft,
                           placement.Anchors & AnchorRight);
    const Span y = Stretch(design.y(), design.height(), growthY, placement.Anchors & AnchorTop,
                           placement.Anchors & AnchorBottom);
    const QRect geometry(rect.x() + x.Start, rect.y() + y.Start, x.Length, y.Length);
    // Controls take exactly their place, whatever their own size policy says.
    if (QWidget* control = placement.Item->widget()) {
      control->setGeometry(geometry);
    } else {
      placement.Item->setGeometry(geometry);
    }
  }
}
