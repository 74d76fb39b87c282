#pragma once

#include <QObject>

#include "profiles/EditorView.h"
#include "profiles/ProfileStore.h"
#include "widgets/AppPorts.h"

class InfoLine;
class ProfileSelector;
class QLabel;
class QMenuBar;

// The stored profiles on the editor page: the selector "Select Profile :",
// the "Profiles" menu, and the store whose commands they run, which tells
// its outcomes in the Info line.
class ProfileChoice : public QObject, private EditorView {
  Q_OBJECT

 public:
  ProfileChoice(AppPorts& ports, ProfileDocument& document, InfoLine& info, QWidget* page);

  ProfileStore& Store() { return store_; }
  QLabel* Label() const { return label_; }
  ProfileSelector* Selector() const { return selector_; }
  // The "Profiles" menu, at the end of the menu bar.
  void AddMenu(QMenuBar* bar);

 private:
  void OnProfileChosen(int index);

  void ShowInfo(const std::string& text, InfoColour colour) override;
  void ShowProfileList() override;
  void ShowProfileAdded(int index) override;
  void ShowProfileRemoved(int index) override;
  void ShowSelectedProfile(int index) override;

  InfoLine& info_;
  QLabel* label_;
  ProfileSelector* selector_;
  ProfileStore store_;
};
