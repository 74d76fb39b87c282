#pragma once

#include <QLabel>
#include <string>

#include "profiles/EditorView.h"

class DocumentSignals;

// The editor's message line "Info": bold, wrapped, red for what went
// wrong. What it said of the last save no longer holds once the lists
// change: it is cleared then.
class InfoLine : public QLabel {
  Q_OBJECT

 public:
  InfoLine(const DocumentSignals& document, QWidget* parent);

  void Show(const std::string& text, InfoColour colour);
};
