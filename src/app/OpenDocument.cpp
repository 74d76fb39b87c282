#include "app/OpenDocument.h"

#include <QFileInfo>
#include <QUrl>

#include "profiles/UserPrompts.h"
#include "profiles/VisibleText.h"

void OpenDocument(AppPorts& ports, const QString& relativePath, const QString& failureMessage) {
  OpenWithDefaultProgram(ports, QString::fromStdString(ports.ProgramFolder) + relativePath,
                         failureMessage);
}

void OpenWithDefaultProgram(AppPorts& ports, const QString& path, const QString& missingMessage) {
  const QFileInfo file(path);
  // The system's opener reports success as soon as it has started a viewer,
  // so a missing file is caught here.
  if (!file.isFile()) {
    ports.Prompts.Ask({missingMessage.toStdString(), "", PromptButtons::Ok, PromptIcon::None});
    return;
  }
  if (ports.OpenUrl(QUrl::fromLocalFile(path))) return;
  ports.Prompts.Ask({"No program is installed to open " + VisibleText(file.fileName().toStdString()) + ".", "",
                     PromptButtons::Ok, PromptIcon::None});
}
