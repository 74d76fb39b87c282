#pragma once

#include <QLoggingCategory>

// The program's log, one category per layer. Off until the program's log
// routing turns them on: info and warnings always, debug with --debug or
// --log-file (QT_LOGGING_RULES refines both).
Q_DECLARE_LOGGING_CATEGORY(DeviceLogging)    // vantora.device: the link, probes, the lock
Q_DECLARE_LOGGING_CATEGORY(RunLogging)       // vantora.run: programming runs
Q_DECLARE_LOGGING_CATEGORY(ProfilesLogging)  // vantora.profiles: profile files
Q_DECLARE_LOGGING_CATEGORY(SoundLogging)     // vantora.sound: sound files and playing
Q_DECLARE_LOGGING_CATEGORY(AppLogging)       // vantora.app: start, settings, the program's files

// What every category's name begins with.
inline constexpr char ProgramCategoryPrefix[] = "vantora.";
// The words with which the log of every programming run begins.
inline constexpr char RunBeginsText[] = "programming run of profile";
