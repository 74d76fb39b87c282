#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

// A label that works as a link: it carries a target (never shown), shows the
// hand cursor and reports a click of the left button.
class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  LinkLabel(QWidget* parent, const char* objectName);

  const QString& Target() const { return target_; }
  void SetTarget(const QString& target) { target_ = target; }
  void SetColour(const QColor& colour);
  QColor Colour() const;

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QString target_;
  bool pressed_ = false;
};
