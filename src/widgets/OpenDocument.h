#pragma once

#include <QString>
#include <functional>

#include "widgets/AppPorts.h"

// Opens a document of the program folder (relativePath, e.g.
// "Documentation/Vantora_Manual.pdf"), in the user's language where the
// folder has it, with the system's default application.
// When the document is not there, the user is told failureMessage; when no
// program opens it, showInstead runs, so that the program shows the document
// itself.
void OpenDocument(AppPorts& ports, const QString& relativePath, const QString& failureMessage,
                  const std::function<void()>& showInstead);

// Opens a file with the system's default application. When the file is not
// there, the user is told missingMessage; when no program opens it, "No
// program is installed to open NAME."; each in a message box with the
// application's title and OK only.
void OpenWithDefaultProgram(AppPorts& ports, const QString& path, const QString& missingMessage);
