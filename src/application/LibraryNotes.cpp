#include "application/LibraryNotes.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>

namespace {

// The terminal's standard error, which std::cerr keeps writing to.
FILE* terminal = nullptr;

// Qt writes its messages to the C library's standard error too: they go
// where they went.
void ToTheTerminal(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  const QString line = qFormatLogMessage(type, context, message);
  if (line.isNull()) return;
  std::fputs(line.toLocal8Bit().append('\n').constData(), terminal);
  std::fflush(terminal);
}

}  // namespace

void SilenceLibraryNotes() {
  FILE* nowhere = std::fopen("/dev/null", "we");
  if (nowhere == nullptr) return;
  terminal = stderr;
  // The C library's standard error is a variable that the program may set;
  // the libraries read it at each note, std::cerr took its stream at start.
  stderr = nowhere;
  qInstallMessageHandler(ToTheTerminal);
}
