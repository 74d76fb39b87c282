#include "editor/InfoLine.h"

#include <QCoreApplication>

#include "editor/DocumentSignals.h"
#include "profiles/VisibleText.h"
#include "widgets/StatusText.h"

InfoLine::InfoLine(const DocumentSignals& document, QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("Info"));
  MakeMessageLine(this);
  connect(&document, &DocumentSignals::Edited, this, [this] {
    // The outcome of the last save or creation no longer holds once the lists change.
    if (text() == QCoreApplication::translate("Profiles", "Profile saved") ||
        text() == QCoreApplication::translate("Profiles", "Profile created")) {
      Show("", InfoColour::Kept);
    }
  });
}

void InfoLine::Show(const std::string& text, InfoColour colour) {
  const QString shown = QString::fromStdString(VisibleText(text));
  switch (colour) {
    case InfoColour::Ordinary:
      ShowStatusText(this, shown, OrdinaryColour);
      break;
    case InfoColour::Failure:
      ShowStatusText(this, shown, FailureColour);
      break;
    case InfoColour::Kept:
      ShowStatusText(this, shown);
      break;
  }
}
