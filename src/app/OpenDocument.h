#pragma once

#include <QString>

#include "app/AppPorts.h"

// Opens a document of the program folder (relativePath, e.g.
// "Documentation/Vantora_Manual.pdf") with the system's default application.
// When it does not exist or cannot be opened, the user is told failureMessage
// in a message box with the application's title and OK only.
void OpenDocument(AppPorts& ports, const QString& relativePath, const QString& failureMessage);
