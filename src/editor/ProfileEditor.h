#pragma once

#include <array>

#include "app/Page.h"
#include "app/Windows.h"
#include "profiles/EditorView.h"
#include "profiles/ProfileStore.h"

class HelpPane;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;
class QTimer;
class QTreeView;
class SoundListModel;

// The profile editor "Create Song Profile": the profile selector, the
// "Profiles" menu and the button tabs with their sound lists.
class ProfileEditor : public Page, private EditorView {
  Q_OBJECT

 public:
  static constexpr int PollIntervalMs = 1000;

  ProfileEditor(AppPorts& ports, Windows& windows);
  ~ProfileEditor() override;

  // The open profile, the editor state and the stored profiles.
  ProfileStore& Profiles() { return store_; }

  // Run after every command that changed the profile: repaints the lists.
  void RefreshCapacity() override;

  void ComboBox1Change(int index);
  void New1Click();
  void Open1Click();
  void Save1Click();
  void SaveAs1Click();
  void RetrieveBackup1Click();
  void Delete1Click();
  void bbPreviousClick();
  void About1Click();

 protected:
  void FormShow() override;
  void FormMouseUp(Qt::MouseButton button) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateSelector();
  void CreateProfilesMenu();
  void CreateButtonTabs();
  void AddMenuCommand(const char* objectName, const QString& caption,
                      void (ProfileEditor::*handler)());

  void ShowInfo(const std::string& text, InfoColour colour) override;
  void ShowProfileList() override;
  void ShowProfileAdded(int index) override;
  void ShowProfileRemoved(int index) override;
  void ShowSelectedProfile(int index) override;
  void ShowButtons() override;
  void ShowSounds(int slot) override;

  Windows& windows_;
  ProfileStore store_;

  QLabel* Label1;
  QComboBox* ComboBox1;
  QTabWidget* PageControl1;
  std::array<QWidget*, ButtonSlotCount> TabSheets;
  std::array<QTreeView*, ButtonSlotCount> ListViews;
  std::array<SoundListModel*, ButtonSlotCount> soundLists_;
  QLabel* Info;
  HelpPane* Panel1;
  QPushButton* bbPrevious;
  QPushButton* bbNext;
  QMenu* Profiles1;
  QMenu* Help1;
  QAction* About1;
  QTimer* Timer1;
};
