#pragma once

#include <QObject>

#include "profiles/ProfileDocument.h"

// The open profile's changes as Qt signals, for the parts of the editor
// that show them; it follows the document for as long as it lives.
class DocumentSignals : public QObject {
  Q_OBJECT

 public:
  DocumentSignals(ProfileDocument& document, QObject* parent);
  ~DocumentSignals() override;

  ProfileDocument& Document() const { return document_; }

 signals:
  // Loaded, made anew or emptied; then ListsChanged.
  void Replaced();
  // An edit, an undo or a redo; then ListsChanged.
  void Edited();
  // The buttons or the sounds are others now, whichever way.
  void ListsChanged();
  void Ticked();
  // Whether the file holds the lists, or to which profile they belong.
  void Marked();
  void Renamed();

 private:
  ProfileDocument& document_;
  int follower_;
};
