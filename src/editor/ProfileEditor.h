#pragma once

#include <array>
#include <cstdint>

#include "app/Page.h"
#include "app/Windows.h"
#include "device/SoundPacking.h"
#include "devicethread/UnitStatusHolder.h"
#include "editor/SoundDecodeChecks.h"
#include "editor/SoundListModel.h"
#include "profiles/EditorView.h"
#include "profiles/ProfileStore.h"

class HelpPane;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTimer;
class QTreeView;
class ProfileSelector;

// The profile editor "Create Song Profile": the profile selector, the
// "Profiles" menu, the button tabs with their sound lists and the commands
// that edit them, the capacity bar, the unit's status bar and the checks of
// the Next button.
class ProfileEditor : public Page, private EditorView {
  Q_OBJECT

 public:
  static constexpr int PollIntervalMs = 1000;

  ProfileEditor(AppPorts& ports, Windows& windows, const UnitStatusHolder& unit);
  ~ProfileEditor() override;

  // The open profile, the editor state and the stored profiles.
  ProfileStore& Profiles() { return store_; }
  // The decoder's verdicts on the sounds of the lists.
  SoundDecodeChecks& SoundChecks() { return soundChecks_; }

  // Run after every change of the profile: the capacity bar, the count of
  // fitting sounds, the rows left out and why, and the lists' colours.
  void RefreshCapacity() override;
  // The bytes that the sounds of the present buttons need on the unit.
  std::int64_t UsedBytes() const;
  // The sounds of the present buttons packed into the unit as it stands.
  SoundPacking PackProfile() const;
  void UpdateStatusBar();

  // Adds one file to the active tab's list; false when the file opens but
  // is no MP3 or WAV sound.
  bool AddSoundFile(const QString& path);
  void AddSounds();
  // The ticked rows of every shown button, or else the highlighted rows of
  // the list on screen.
  void RemoveCheckedSounds();
  // The Delete key: the ticked, or else the highlighted, rows of the list on
  // screen and of no other.
  void RemoveSoundsOfShownList();

  void ComboBox1Change(int index);
  void New1Click();
  void Open1Click();
  void Save1Click();
  void SaveAs1Click();
  void RetrieveBackup1Click();
  void Delete1Click();
  void AddSongs1Click();
  void All1Click();
  void Selected1Click();
  void AddButton1Click();
  void RemoveButton1Click();
  void AddSongs2Click();
  void RemoveSongs2Click();
  bool ListView1DragOver(QTreeView* list, QObject* source);
  void ListView1DragDrop(QTreeView* list, QPoint position);
  void ListView1DblClick(QTreeView* list);
  void FormDropFiles(const QDropEvent& drop);
  void Timer1Timer();
  void bbNextClick();
  void bbPreviousClick();
  void About1Click();

 protected:
  void FormShow() override;
  void FormMouseUp(Qt::MouseButton button) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateSelector();
  void CreateProfilesMenu();
  void CreateButtonTabs();
  void CreateSoundMenus();
  void CreateCapacityDisplay();
  void StartRowDrag(QTreeView* list);
  // A user's edit of the lists: unsaved, and the last save no longer reported.
  void MarkEdited();
  int RemoveHighlightedSounds();
  void EndRemoval(int removed);
  void ShowCapacityPanels(std::int64_t capacity, std::int64_t used);
  void WarnIfLargerThanUnit(const SoundEntry& sound);
  // One message naming every file refused as no sound.
  void ShowRefusedFiles(const QStringList& names);
  // Hides the tabs the unit lacks; Btn1 becomes active when the active one went.
  void TrimTabsToUnit();
  const UnitStatus& Unit() const;

  void ShowInfo(const std::string& text, InfoColour colour) override;
  void ShowProfileList() override;
  void ShowProfileAdded(int index) override;
  void ShowProfileRemoved(int index) override;
  void ShowSelectedProfile(int index) override;
  void ShowButtons() override;
  void ShowSounds(int slot) override;

  Windows& windows_;
  const UnitStatusHolder& unit_;
  ProfileStore store_;
  SoundDecodeChecks soundChecks_;
  QString misfitTip_;
  SoundRowLook rowLook_{store_.State(), soundChecks_, misfitTip_};

  QLabel* Label1;
  ProfileSelector* ComboBox1;
  QTabWidget* PageControl1;
  std::array<QWidget*, ButtonSlotCount> TabSheets{};
  std::array<QTreeView*, ButtonSlotCount> ListViews{};
  std::array<SoundListModel*, ButtonSlotCount> soundLists_{};
  QLabel* Info;
  HelpPane* Panel1;
  QPushButton* bbPrevious;
  QPushButton* bbNext;
  QMenu* Profiles1;
  QAction* AddSongs1;
  QMenu* RemoveSounds1;
  QAction* Selected1;
  QMenu* Buttons1;
  QMenu* PopupMenu1;
  QAction* deleteSounds_;
  QProgressBar* ProgressBar1;
  QStatusBar* StatusBar1;
  std::array<QLabel*, 5> statusPanels_{};
  // Where a mouse press on a list began: a drag of its row may follow.
  QTreeView* pressedList_ = nullptr;
  QPoint pressPosition_;
  QMenu* Help1;
  QAction* About1;
  QTimer* Timer1;
};
