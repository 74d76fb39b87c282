#include "profiles/StoredProfiles.h"

#include "translation/Translated.h"

StoredProfiles::StoredProfiles(ProfileFolder& folder, ProfileDocument& document, EditorView& view,
                               FileAccess& files)
    : folder_(folder), document_(document), view_(view), files_(files) {}

int StoredProfiles::ReadProfileNumber(const std::string& name) {
  return folder_.ReadProfileNumber(name);
}

int StoredProfiles::NextFreeProfileNumber() {
  // Every profile in the folder counts, listed or not, so that a file copied
  // in while the program runs never shares its number with a new one. The
  // lowest free number is at most the number of profiles.
  const std::vector<std::string> stored = folder_.ProfileNames();
  std::vector<bool> taken(stored.size() + 1, false);
  for (const int number : folder_.ReadProfileNumbers(stored)) {
    if (number >= 0 && static_cast<std::size_t>(number) < taken.size()) taken[number] = true;
  }
  int number = 0;
  while (taken[static_cast<std::size_t>(number)]) ++number;
  return number;
}

std::string StoredProfiles::FindProfileByNumber(int number) {
  const std::string name = folder_.FindProfileByNumber(number);
  return name.empty() ? Translated("Profiles", "None") : name;
}
