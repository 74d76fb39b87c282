#include "widgets/StatusText.h"

#include <QLabel>

void ShowStatusText(QLabel* label, const QString& text, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  ShowStatusText(label, text);
}

void ShowStatusText(QLabel* label, const QString& text) {
  label->setText(text);
  if (label->wordWrap()) label->setToolTip(text);
  // Shown at once: long operations follow some of these texts.
  label->repaint();
}

QColor StatusColour(const QLabel* label) {
  return label->palette().color(QPalette::WindowText);
}

void MakeMessageLine(QLabel* label) {
  QFont font = label->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.2);
  label->setFont(font);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
}
