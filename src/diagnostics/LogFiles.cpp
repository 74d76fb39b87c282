#include "diagnostics/LogFiles.h"

#include <QDir>
#include <QFile>

#include "diagnostics/LogCategories.h"

namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

QString WindowsLogPath() {
  QString state = qEnvironmentVariable("XDG_STATE_HOME");
  // A relative folder is no state folder.
  if (!QDir::isAbsolutePath(state)) state = QDir::homePath() + QStringLiteral("/.local/state");
  return state + QStringLiteral("/vantora-programmer/vantora-programmer.log");
}

std::string LastRunsOf(const QString& path, std::size_t runs) {
  const std::string log = (Contents(path + QStringLiteral(".1")) + Contents(path)).toStdString();
  const std::string runBegins = std::string(" vantora.run: ") + RunBeginsText;
  std::size_t from = log.size();
  for (std::size_t found = 0; found < runs; ++found) {
    const std::size_t at = log.rfind(runBegins, from == 0 ? 0 : from - 1);
    if (at == std::string::npos || from == 0) return log;
    from = log.rfind('\n', at);
    from = from == std::string::npos ? 0 : from + 1;
  }
  return log.substr(from);
}
