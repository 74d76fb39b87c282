#include "editor/DocumentSignals.h"

DocumentSignals::DocumentSignals(ProfileDocument& document, QObject* parent)
    : QObject(parent), document_(document) {
  follower_ = document_.Follow([this](DocumentChange change) {
    switch (change) {
      case DocumentChange::Replaced:
        emit Replaced();
        emit ListsChanged();
        break;
      case DocumentChange::Edited:
        emit Edited();
        emit ListsChanged();
        break;
      case DocumentChange::Ticked:
        emit Ticked();
        break;
      case DocumentChange::Marked:
        emit Marked();
        break;
      case DocumentChange::Renamed:
        emit Renamed();
        break;
    }
  });
}

DocumentSignals::~DocumentSignals() {
  document_.Unfollow(follower_);
}
