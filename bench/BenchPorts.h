#pragma once

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <functional>
#include <string>

#include "widgets/AppPorts.h"
#include "widgets/QtSoundOutput.h"
#include "device/Clock.h"

// What a benchmark's program reaches outside itself: the real clock and
// sound output, its program folder with Profiles/ in it, its settings kept
// there, and an opener that opens nothing.
class BenchPorts {
 public:
  BenchPorts(
      ProgrammerDriver& driver, UserPrompts& prompts, const QTemporaryDir& programFolder,
      std::function<void()> endApplication = [] {})
      : settings_(programFolder.filePath(QStringLiteral("settings.conf")), QSettings::IniFormat),
        folder_(programFolder.path().toStdString() + "/"),
        ports_{driver,
               clock_,
               prompts,
               folder_,
               folder_ + "Profiles/",
               std::move(endApplication),
               [](const QUrl&) { return true; },
               settings_,
               audio_} {}

  AppPorts& Ports() { return ports_; }
  const std::string& Folder() const { return folder_; }

 private:
  SystemClock clock_;
  QSettings settings_;
  QtSoundOutput audio_;
  std::string folder_;
  AppPorts ports_;
};
