#include "application/DisplayCheck.h"

#include <QStringList>
#include <algorithm>

bool DisplayFound(const QString& platforms, const QString& x11Display,
                  const QString& waylandDisplay) {
  const bool x11 = !x11Display.isEmpty();
  const bool wayland = !waylandDisplay.isEmpty();
  const QStringList names = platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts);
  if (names.isEmpty()) return x11 || wayland;
  return std::any_of(names.begin(), names.end(), [&](const QString& entry) {
    // A platform's options follow its name after ":".
    const QString name = entry.section(QLatin1Char(':'), 0, 0).trimmed();
    if (name == QLatin1String("xcb")) return x11;
    if (name.startsWith(QLatin1String("wayland"))) return wayland;
    return true;
  });
}

bool DisplayFound(const QString& platformArgument) {
  const QString platforms =
      platformArgument.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : platformArgument;
  return DisplayFound(platforms, qEnvironmentVariable("DISPLAY"),
                      qEnvironmentVariable("WAYLAND_DISPLAY"));
}
