#pragma once

#include <QObject>
#include <optional>
#include <string>
#include <vector>

#include "editor/MakeItFit.h"
#include "editor/SoundPlayer.h"
#include "profiles/Task.h"
#include "widgets/AppPorts.h"

class CapacityDisplay;
class DocumentSignals;
class InfoLine;
class QAction;
class QMenu;
class SoundDecodeChecks;
class SoundListCommands;
class SoundLists;

// The tools for the sounds themselves: hearing the highlighted one (Space,
// Esc), "Edit Sound…", and "Make It Fit…", which writes smaller copies of
// the sounds that keep the profile from fitting the unit. A sound edited or
// made to fit takes its row's place as one edit.
class SoundTools : public QObject {
  Q_OBJECT

 public:
  SoundTools(AppPorts& ports, DocumentSignals& document, SoundLists& lists,
             SoundListCommands& commands, CapacityDisplay& capacity, InfoLine& info,
             SoundDecodeChecks& soundChecks, SoundPlayer& player, QWidget* page);

  // "Edit Sound…" at the end of the Edit menu, and in the lists' menu.
  void AddToEditMenu(QMenu* edit);
  // "Make It Fit…" at the end of the Buttons menu, and in the lists' menu.
  void AddToButtonsMenu(QMenu* buttons);
  // Make It Fit is under way: the lists must stay as they are.
  bool Busy() const { return makeItFit_->Busy(); }

  void PlayOrStopHighlighted();
  void StopPlaying();
  void EditHighlightedSound();
  void MakeProfileFit();
  // Next refused a sound too large for the unit: Make It Fit is offered.
  Task<> OfferToMakeFit();

 signals:
  // Make It Fit has ended, however it ended.
  void MakeItFitEnded();

 private:
  const SoundEntry& SoundAt(PlayingRow row) const;
  void ShowPlayingRow();
  // Playing stops once the row heard holds another sound.
  void StopWhenRowChanges();
  // Whether the profile fits the unit with one of its sounds this many bytes.
  QString FitAfterEdit(PlayingRow row, std::int64_t bytes) const;
  // The row still holding the edited sound points to the new file.
  void PointRowToEdited(PlayingRow row, const std::string& originalPath, const QString& newPath);
  void ReplaceFittedSounds(const std::vector<SoundRow>& replacements);

  AppPorts& ports_;
  DocumentSignals& document_;
  SoundLists& lists_;
  SoundListCommands& commands_;
  CapacityDisplay& capacity_;
  InfoLine& info_;
  SoundDecodeChecks& soundChecks_;
  QWidget* page_;
  SoundPlayer& player_;
  std::string playingPath_;
  QAction* stopSound_;
  MakeItFit* makeItFit_;
};
