#include "editor/MusicFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

std::string MusicFolder() {
  const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
  const QString folder = !music.isEmpty() && QFileInfo(music).isDir() ? music : QDir::homePath();
  return (folder + QLatin1Char('/')).toStdString();
}
