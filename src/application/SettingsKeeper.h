#pragma once

#include <QObject>

#include "devicethread/LastUnitSeen.h"
#include "profiles/ProfileDocument.h"
#include "profiles/SoundDialogs.h"

class QSettings;

// Writes what the program remembers for its next run, as it happens: the
// profile open, the last unit seen, and the folder where sounds were last
// chosen. Nothing else writes these.
class SettingsKeeper : public QObject {
  Q_OBJECT

 public:
  SettingsKeeper(QSettings& settings, ProfileDocument& document, const LastUnitSeen& lastUnit,
                 SoundDialogs& soundDialogs, QObject* parent = nullptr);
  ~SettingsKeeper() override;

  // What the last run left, read at start.
  static std::string LastProfile(const QSettings& settings);

 private:
  void RememberOpenProfile();

  QSettings& settings_;
  ProfileDocument& document_;
  int follower_;
};
