#pragma once

#include "editor/CapacityDisplay.h"
#include "editor/DocumentSignals.h"
#include "editor/InfoLine.h"
#include "editor/NextChecks.h"
#include "editor/ProfileChoice.h"
#include "editor/SoundListCommands.h"
#include "editor/SoundLists.h"
#include "editor/SoundTools.h"
#include "profiles/ProfileDocument.h"
#include "widgets/Page.h"

class HelpPane;
class LastUnitSeen;
class QAction;
class QMenu;
class SentProfile;
class SoundDecodeChecks;
class UnitStatusHolder;

// The profile editor "Create Song Profile": a page that assembles its parts
// around the open profile's document: the stored profiles (selector and
// Profiles menu), the button tabs and their lists, the commands that edit
// them, the capacity and status display, the sound tools, the checks of
// Next, and the help pane.
class ProfileEditor : public Page {
  Q_OBJECT

 public:
  ProfileEditor(AppPorts& ports, const UnitStatusHolder& unit, const LastUnitSeen& lastUnit,
                SoundDecodeChecks& soundChecks, SentProfile& sent);
  ~ProfileEditor() override;

  ProfileDocument& Document() { return document_; }
  ProfileStore& Profiles() { return choice_.Store(); }
  SoundLists& Lists() { return *lists_; }
  SoundListCommands& Commands() { return commands_; }
  CapacityDisplay& Capacity() { return capacity_; }
  SoundTools& Tools() { return tools_; }
  SoundPlayer& Player() { return player_; }

  // Adds a file to the shown list, as a drop does; false when it opens but
  // is no MP3 or WAV sound.
  bool AddSoundFile(const QString& path) { return commands_.AddSoundFile(path); }
  // The selected profile in place of the lists, trimmed to the unit, as the
  // editor shows it when the user comes from the start page.
  Task<> ShowSelectedProfile();
  void OnStatusTimer() { capacity_.OnStatusTimer(); }
  // In the middle of something that a profile handed over must wait for:
  // a question open, Make It Fit under way; NoLongerBusy follows.
  bool Busy() const;
  // Closing the window with unsaved lists asks whether to save them first.
  Task<bool> MayClose() override;

 signals:
  // Back to the start page, once unsaved edits were offered for saving.
  void PreviousRequested();
  // On to the programming page: the profile passed every check.
  void NextRequested();
  // The About box, over this page.
  void AboutRequested();
  void NoLongerBusy();

 protected:
  void OnShown() override;
  void OnHidden() override;
  void OnFreeAreaReleased(Qt::MouseButton button) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateMenus();
  void CreateEditMenu();
  void LayOut();
  // The caption names the open profile and marks unsaved edits.
  void ShowCaption();
  // The lengths of sounds new to the lists are measured in the background.
  void MeasureLengths();
  Task<> OnPreviousClicked();

  ProfileDocument document_;
  DocumentSignals signals_;
  SentProfile& sent_;
  UnitFit fit_;
  SoundPlayer player_;
  SoundLengths lengths_;
  SoundRowLook rowLook_;
  HelpPane* helpPane_;
  InfoLine* info_;
  ProfileChoice choice_;
  SoundLists* lists_;
  CapacityDisplay capacity_;
  SoundListCommands commands_;
  SoundTools tools_;
  NextChecks next_;
};
