#include "app/OpenDocument.h"

#include <QFileInfo>
#include <QUrl>

#include "profiles/UserPrompts.h"

void OpenDocument(AppPorts& ports, const QString& relativePath, const QString& failureMessage) {
  const QString path = QString::fromStdString(ports.ProgramFolder) + relativePath;
  // The system's opener reports success as soon as it has started a viewer,
  // so a missing document is caught here.
  if (QFileInfo(path).isFile() && ports.OpenUrl(QUrl::fromLocalFile(path))) return;
  ports.Prompts.Ask(
      Question{failureMessage.toStdString(), "", PromptButtons::Ok, PromptIcon::None});
}
