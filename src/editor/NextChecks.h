#pragma once

#include <QObject>

#include "profiles/Task.h"
#include "widgets/AppPorts.h"

class CapacityDisplay;
class InfoLine;
class ProfileStore;
class SoundDecodeChecks;
class SoundTools;
class UnitStatusHolder;

// The checks of the Next button, before the programming page takes over:
// the checks before a run that belong to the profile (a single sound too
// large for the unit, no sound at all, files that are gone or are no
// sounds), with the editor's repairs (Make It Fit, finding or dropping
// missing sounds), and the question about unsaved lists.
class NextChecks : public QObject {
  Q_OBJECT

 public:
  NextChecks(AppPorts& ports, ProfileStore& store, CapacityDisplay& capacity, SoundTools& tools,
             InfoLine& info, const UnitStatusHolder& unit, SoundDecodeChecks& soundChecks,
             QObject* parent);

  Task<> Check();

 signals:
  // On to the programming page: the lists passed every check.
  void Passed();

 private:
  Task<bool> Passes();
  // "Save and Program", "Program Without Saving" or "Cancel"; true when the
  // lists may go on to the programming page.
  Task<bool> AskToSaveBeforeProgramming();
  // Each missing sound found or dropped, as one edit; false when the user
  // cancelled or the result could not be saved.
  Task<bool> FindOrDropMissingSounds();

  AppPorts& ports_;
  ProfileStore& store_;
  CapacityDisplay& capacity_;
  SoundTools& tools_;
  InfoLine& info_;
  const UnitStatusHolder& unit_;
  SoundDecodeChecks& soundChecks_;
  bool checking_ = false;
};
