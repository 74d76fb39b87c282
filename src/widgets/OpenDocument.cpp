#include "widgets/OpenDocument.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

#include "profiles/UserPrompts.h"
#include "profiles/VisibleText.h"

namespace {

enum class Opening { Opened, Missing, NoProgram };

Opening Open(AppPorts& ports, const QString& path, const QString& missingMessage) {
  // The system's opener reports success as soon as it has started a viewer,
  // so a missing file is caught here.
  if (!QFileInfo(path).isFile()) {
    ports.Prompts.Ask({missingMessage.toStdString(), "", PromptButtons::Ok, PromptIcon::None},
                      [](PromptAnswer) {});
    return Opening::Missing;
  }
  return ports.OpenUrl(QUrl::fromLocalFile(path)) ? Opening::Opened : Opening::NoProgram;
}

}  // namespace

void OpenDocument(AppPorts& ports, const QString& relativePath, const QString& failureMessage,
                  const std::function<void()>& showInstead) {
  const QString path = QString::fromStdString(ports.ProgramFolder) + relativePath;
  if (Open(ports, path, failureMessage) == Opening::NoProgram) showInstead();
}

void OpenWithDefaultProgram(AppPorts& ports, const QString& path, const QString& missingMessage) {
  if (Open(ports, path, missingMessage) != Opening::NoProgram) return;
  const QString name =
      QString::fromStdString(VisibleText(QFileInfo(path).fileName().toStdString()));
  ports.Prompts.Ask(
      {QCoreApplication::translate("OpenDocument", "No program is installed to open %1.")
           .arg(name)
           .toStdString(),
       "", PromptButtons::Ok, PromptIcon::None},
      [](PromptAnswer) {});
}
