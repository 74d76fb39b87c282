#include "application/ProfilesLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "diagnostics/LogCategories.h"

std::string ProfilesFolderFor(const std::string& programFolder) {
  const QString beside = QString::fromStdString(programFolder) + QStringLiteral("Profiles/");
  const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  // Without a home to hold a data folder, the profiles stay beside the program.
  if (QFileInfo(beside).isDir() || userData.isEmpty()) {
    qCInfo(ProfilesLogging, "profiles folder: %s, beside the program", qPrintable(beside));
    return beside.toStdString();
  }
  const QString own = userData + QStringLiteral("/Profiles/");
  // A folder that cannot be made shows up as the profile commands' own errors.
  if (!QDir().mkpath(own)) qCWarning(ProfilesLogging, "%s cannot be made", qPrintable(own));
  qCInfo(ProfilesLogging, "profiles folder: %s", qPrintable(own));
  return own.toStdString();
}
