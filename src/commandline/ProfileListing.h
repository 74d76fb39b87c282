#pragma once

#include <QJsonObject>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "profiles/StoredProfileReading.h"

// One line of --list: a stored profile as the editor would load it.
struct ProfileSummary {
  std::string Name;
  bool Readable = true;
  bool NotAProfile = false;  // there and readable, but no profile file
  bool OldFormat = false;
  int Number = NoProfileId;
  int Buttons = 0;
  int Sounds = 0;  // as the file lists them, missing ones and those beyond a full list included
  int MissingSounds = 0;
  std::int64_t Bytes = 0;  // the sizes of the sound files found
  bool OnUnit = false;
};

ProfileSummary SummaryOf(const std::string& name, const StoredProfileReading& reading, bool onUnit);
// What is named like a profile but is no file at all.
ProfileSummary NoProfileSummary(const std::string& name);
// By name, regardless of letter case, as the editor lists them.
void SortByName(std::vector<ProfileSummary>& profiles);

// What --list prints: a table, or the "profiles" array of the JSON object.
// Without profiles it names the folder it looked in.
void PrintProfileList(std::ostream& out, const std::vector<ProfileSummary>& profiles,
                      const std::string& folder);
void AddProfileList(QJsonObject& json, const std::vector<ProfileSummary>& profiles);
