#pragma once

#include <QLayout>
#include <QList>
#include <QRect>
#include <QSize>

// The window edges a control keeps its distance to when its window is resized.
// A control anchored to neither edge of a direction keeps its place relative
// to the centre in that direction.
enum Anchor {
  AnchorLeft = 1,
  AnchorTop = 2,
  AnchorRight = 4,
  AnchorBottom = 8,
  AnchorAll = AnchorLeft | AnchorTop | AnchorRight | AnchorBottom,
};

// Places each control at its design position and size, moved and stretched
// with the window as its anchors say.
class AnchorLayout : public QLayout {
 public:
  AnchorLayout(QWidget* parent, QSize designSize);
  ~AnchorLayout() override;

  void AddControl(QWidget* control, QRect design, int anchors);

  void addItem(QLayoutItem* item) override;
  int count() const override { return static_cast<int>(items_.size()); }
  QLayoutItem* itemAt(int index) const override;
  QLayoutItem* takeAt(int index) override;
  QSize sizeHint() const override { return designSize_; }
  QSize minimumSize() const override { return {0, 0}; }
  void setGeometry(const QRect& rect) override;

 private:
  struct Placement {
    QLayoutItem* Item;
    QRect Design;
    int Anchors;
  };

  QSize designSize_;
  QList<Placement> items_;
};
