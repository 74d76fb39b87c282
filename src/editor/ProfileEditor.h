#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "widgets/Page.h"
#include "devicethread/UnitStatusHolder.h"
#include "editor/EditHistory.h"
#include "editor/MakeItFit.h"
#include "programmingrun/SoundDecodeChecks.h"
#include "editor/SoundListModel.h"
#include "editor/SoundPlayer.h"
#include "profiles/EditorView.h"
#include "profiles/ProfileStore.h"
#include "programmingrun/ProgrammingPlan.h"
#include "programmingrun/RunPreflight.h"
#include "programmingrun/SentProfile.h"

class HelpPane;
class ProfileSelector;
class QAction;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTimer;
class QTreeView;

// The profile editor "Create Song Profile": the profile selector, the
// "Profiles" menu, the button tabs with their sound lists and the commands
// that edit them, the capacity bar, the unit's status bar and the checks of
// the Next button.
class ProfileEditor : public Page, private EditorView {
  Q_OBJECT

 public:
  static constexpr int StatusIntervalMs = 1000;

  ProfileEditor(AppPorts& ports, const UnitStatusHolder& unit, SoundDecodeChecks& soundChecks,
                SentProfile& sent);
  ~ProfileEditor() override;

  // The open profile, the editor state and the stored profiles.
  ProfileStore& Profiles() { return store_; }
  // The decoder's verdicts on the sounds of the lists.
  SoundDecodeChecks& SoundChecks() { return soundChecks_; }
  // The undo history of the lists.
  QUndoStack& History() { return history_->Steps(); }

  // Run after every change of the profile: the capacity bar, the count of
  // fitting sounds, the rows left out and why, and the lists' colours.
  void RefreshCapacity() override;
  // The bytes that the sounds of the present buttons need on the unit.
  std::int64_t UsedBytes() const;
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
  void RemoveAllSounds();
  void AddButton();
  void RemoveButton();
  // "Make It Fit…": new, smaller files for the sounds that keep the profile
  // from fitting the unit, put in the lists as one edit.
  void MakeProfileFit();
  // Plays the highlighted row on which the list was double-clicked.
  void PlaySound(QTreeView* list);
  // Space: hears the highlighted row of the shown list inside the program,
  // or stops the sound heard.
  void PlayOrStopHighlighted();
  void StopPlaying();
  // "Edit Sound…": the sound editor on the highlighted row of the shown
  // list; once it saved, the row points to the new file (one undo step).
  void EditHighlightedSound();
  // The sound player, for the sound editor's selection too.
  SoundPlayer& Player() { return player_; }
  // Files dragged from the file manager onto the tabs.
  void AddDroppedFiles(const QDropEvent& drop);

  void OnProfileChosen(int index);
  void OnStatusTimer();
  void OnNextClicked();
  void OnPreviousClicked();

 signals:
  // Back to the start page, once unsaved edits were offered for saving.
  void PreviousRequested();
  // On to the programming page: the profile passed every check.
  void NextRequested();
  // The About box, over this page.
  void AboutRequested();

 protected:
  void OnShown() override;
  void OnHidden() override;
  void OnFreeAreaReleased(Qt::MouseButton button) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateSelector();
  void CreateProfilesMenu();
  void CreateEditMenu();
  void CreateButtonTabs();
  QTreeView* CreateSoundList(int slot);
  void CreateSoundMenus(QAction* help);
  void CreateCapacityDisplay();
  void CreateSoundHearing();
  void CreateKeyboardMoves();
  // The next visible button tab in the direction of the step, round the end.
  void ShowNeighbourTab(int step);
  // The highlighted sound of the shown list one row up (-1) or down (1).
  void MoveHighlightedSound(int step);
  void CreateSoundEditing(QMenu* edit);
  // The shown list's highlighted row that is current: the one to play or edit.
  std::optional<PlayingRow> HighlightedRow() const;
  const SoundEntry& SoundAt(PlayingRow row) const;
  // Playing stops once rows of its list are removed, moved or replaced.
  void StopPlayingOnRowChanges(int slot);
  void ShowPlayingRow();
  // Whether the profile fits the unit with one of its sounds this many bytes.
  QString FitAfterEdit(PlayingRow row, std::int64_t bytes) const;
  // The row still holding the edited sound points to the new file.
  void PointRowToEdited(PlayingRow row, const std::string& originalPath, const QString& newPath);
  // A user's edit of the lists: unsaved, and the last save no longer reported.
  void MarkEdited();
  // The lists as an undo or redo left them.
  void ShowListsOfHistory();
  // The sound dialogs open where a sound was last chosen, in this run or an earlier one.
  void KeepSoundFolder();
  // The next run opens the profile open now.
  void RememberOpenProfile();
  // The caption names the open profile and marks unsaved edits.
  void ShowCaption();
  int RemoveHighlightedSounds();
  void EndRemoval(int removed);
  void WarnIfLargerThanUnit(const SoundEntry& sound);
  void ReplaceFittedSounds(const std::vector<SoundRow>& replacements);
  // Next with unsaved lists: "Save and Program", "Program Without Saving" or
  // "Cancel"; true when the lists may go on to the programming page.
  bool AskToSaveBeforeProgramming();
  // Next found sounds whose files are gone: each found or dropped, as one
  // step; false when the user cancelled or the result could not be saved.
  bool FindOrDropMissingSounds();
  // Next refused a sound too large for the unit: Make It Fit is offered.
  void OfferToMakeFit();
  void ShowListMenu(QTreeView* list, QPoint position);
  // One message naming every file refused as no sound.
  void ShowRefusedFiles(const QStringList& names);
  void ShowCapacityPanels(std::int64_t capacity, std::int64_t used);
  // Follows the unit's arrival (refresh, then trim) and departure.
  void FollowUnit();
  // Hides the tabs the unit lacks; Btn1 becomes active when the active one went.
  void TrimTabsToUnit();
  // The profile packed into the unit as it stands.
  ProgrammingPlan PlanForUnit() const;
  const UnitStatus& Unit() const;
  // The connected unit, else the last one seen, else the absent one.
  const UnitStatus& MeasuringUnit() const;
  void RememberUnitSeen();
  void ShowUnitUnknown(std::int64_t used);

  void ShowInfo(const std::string& text, InfoColour colour) override;
  void ShowProfileList() override;
  void ShowProfileAdded(int index) override;
  void ShowProfileRemoved(int index) override;
  void ShowSelectedProfile(int index) override;
  void ShowButtons() override;
  void ShowSounds(int slot) override;
  void ShowChanged(bool changed) override;
  void ShowListsReplaced() override;

  const UnitStatusHolder& unit_;
  std::optional<UnitStatus> lastUnit_;
  ProfileStore store_;
  SoundDecodeChecks& soundChecks_;
  SentProfile& sent_;
  QString misfitTip_;
  SoundPlayer player_;
  SoundRowLook rowLook_{store_.State(), soundChecks_, misfitTip_, player_.Playing()};
  EditHistory* history_;
  MakeItFit* makeItFit_;

  ProfileSelector* profileSelector_;
  QTabWidget* buttonTabs_;
  std::array<QTreeView*, ButtonSlotCount> soundListViews_{};
  std::array<SoundListModel*, ButtonSlotCount> soundLists_{};
  QLabel* infoLine_;
  HelpPane* helpPane_;
  QMenu* listMenu_;
  QAction* deleteSounds_;
  QAction* makeFitOfRow_;
  QAction* playSound_;
  QAction* stopSound_;
  QProgressBar* capacityBar_;
  QStatusBar* statusPanels_;
  std::array<QLabel*, 5> statusTexts_{};
  QTimer* statusTimer_;
};
