#pragma once

#include <QLabel>

// A panel of the editor's status bar. Where the bar has room, a panel keeps
// room for the widest text it usually shows, so that it does not jump as its
// numbers change, and a gap of a few characters after it. Short of room, a
// panel is never narrower than its text, but the one that may elide (the
// last, which takes the rest of the bar) gives up the part of a text longer
// than its usual one: it then ends in "…" and shows the whole in its tip.
class StatusPanel : public QLabel {
  Q_OBJECT

 public:
  enum class Longer { Widens, Elides };

  StatusPanel(const QString& text, const QString& usualText, Longer longer, QWidget* parent);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  int TextWidth(const QString& text) const;
  bool Cut() const;

  QString usualText_;
  Longer longer_;
};
