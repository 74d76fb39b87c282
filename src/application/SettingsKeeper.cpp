#include "application/SettingsKeeper.h"

#include <QFileInfo>
#include <QSettings>

#include "application/RememberedUnit.h"

namespace {

const QString LastProfileSetting = QStringLiteral("Editor/LastProfile");
const QString SoundFolderSetting = QStringLiteral("Editor/SoundFolder");

}  // namespace

SettingsKeeper::SettingsKeeper(QSettings& settings, ProfileDocument& document,
                               const LastUnitSeen& lastUnit, SoundDialogs& soundDialogs,
                               QObject* parent)
    : QObject(parent), settings_(settings), document_(document) {
  follower_ = document_.Follow([this](DocumentChange change) {
    if (change == DocumentChange::Replaced || change == DocumentChange::Renamed) {
      RememberOpenProfile();
    }
  });
  connect(&lastUnit, &LastUnitSeen::Changed, this, [this, &lastUnit] {
    if (lastUnit.Unit()) RememberLastUnit(settings_, *lastUnit.Unit());
  });
  // Sound dialogs open where a sound was last chosen, in this run or an
  // earlier one, while that folder is there.
  const QString kept = settings_.value(SoundFolderSetting).toString();
  if (!kept.isEmpty() && QFileInfo(kept).isDir()) soundDialogs.OpenFirstIn(kept.toStdString());
  soundDialogs.FollowFolder([this](const std::string& folder) {
    settings_.setValue(SoundFolderSetting, QString::fromStdString(folder));
  });
}

SettingsKeeper::~SettingsKeeper() {
  document_.Unfollow(follower_);
}

std::string SettingsKeeper::LastProfile(const QSettings& settings) {
  return settings.value(LastProfileSetting).toString().toStdString();
}

void SettingsKeeper::RememberOpenProfile() {
  // The settings file is written only when the open profile is another one.
  const QString name = QString::fromStdString(document_.Name());
  if (!name.isEmpty() && settings_.value(LastProfileSetting).toString() != name) {
    settings_.setValue(LastProfileSetting, name);
  }
}
