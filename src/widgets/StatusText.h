#pragma once

#include <QColor>
#include <QString>

class QLabel;

// Colours of the one-line status labels.
inline const QColor FailureColour{255, 0, 0};
inline const QColor SuccessColour{0, 128, 0};
inline const QColor OrdinaryColour{0, 0, 0};
// A success that left something out.
inline const QColor PartialSuccessColour{176, 96, 0};

void ShowStatusText(QLabel* label, const QString& text, const QColor& colour);
// Changes the text and keeps the label's colour.
void ShowStatusText(QLabel* label, const QString& text);
QColor StatusColour(const QLabel* label);
// A message line: bold and a size larger than the system's font, wrapped
// into as many lines as its text takes, the whole text also in its tip.
void MakeMessageLine(QLabel* label);
