#pragma once

#include <QTemporaryDir>
#include <QtGlobal>

// Gives the test process folders of its own for what the program keeps per
// user: the programmer lock (the runtime folder), the settings (the
// configuration folder) and the windows' log (the state folder). Tests running side by side then never share the
// lock, and no test reads another's settings or the developer's; programs
// the test starts inherit the same folders.
class OwnUserFolders {
 public:
  OwnUserFolders() {
    qputenv("XDG_RUNTIME_DIR", runtime_.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", configuration_.path().toUtf8());
    qputenv("XDG_STATE_HOME", state_.path().toUtf8());
  }

 private:
  QTemporaryDir runtime_;
  QTemporaryDir configuration_;
  QTemporaryDir state_;
};
