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
  // Shown at once: long operations follow some of these texts.
  label->repaint();
}

QColor StatusColour(const QLabel* label) {
  return label->palette().color(QPalette::WindowText);
}

void MakeBoldStatusLabel(QLabel* label, int pixelSize) {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setBold(true);
  font.setPixelSize(pixelSize);
  label->setFont(font);
}
