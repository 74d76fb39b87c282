#pragma once

#include <string>

#include "profiles/SongProfile.h"

class QSettings;

// What the last run sent to the unit: the profile's name and number, its
// lists, and whether a file held those very lists. Kept in the settings, so
// that a later start still knows when the unit holds lists that exist in no
// file.
class SentProfile {
 public:
  explicit SentProfile(QSettings& settings);

  // A run of these lists reached the unit.
  void NoteRun(const std::string& name, int number, const SongProfile& lists, bool saved);
  // The profile's file holds these lists now (saved or loaded).
  void NoteStored(const std::string& name, const SongProfile& lists);
  // The name of the profile the unit holds, as the status line shows it:
  // the stored profile of the number, unless the unit holds unsaved lists
  // of that number ("Porch (not saved)").
  std::string NameOnUnit(int numberOnUnit, const std::string& storedName) const;

 private:
  QSettings& settings_;
};

// A short text that changes whenever the lists do: the sounds of the present
// buttons, their buttons, paths and sizes.
std::string ListsFingerprint(const SongProfile& lists);
