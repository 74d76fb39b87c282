#pragma once

#include <string>
#include <vector>

#include "profiles/ProfileFolder.h"
#include "profiles/SongProfile.h"

enum class ProfileReadingOutcome { Read, NotFound, Unreadable, NotAProfile };

// A stored profile as the editor loads it, read without asking and without
// writing anything: a file in the old list format is read, not converted,
// and a sound that is not found is noted instead of asked about.
struct StoredProfileReading {
  ProfileReadingOutcome Outcome = ProfileReadingOutcome::NotFound;
  bool OldFormat = false;
  int Number = NoProfileId;  // the profile file's number, as a run stores it
  // The sounds in the lists as the editor shows them; a sound that was not
  // found stands where the file lists it, with its stored path and size 0.
  SongProfile Profile;
  // The stored paths of the sounds that were not found, in the file's order.
  std::vector<std::string> MissingSounds;
  // The entries beyond a full list of a button, which loading leaves out.
  int LeftOut = 0;
};

StoredProfileReading ReadStoredProfile(ProfileFolder& folder, const std::string& name);
