#include "profiles/ProfileSelection.h"

#include "profiles/ProfileName.h"

ProfileSelection::ProfileSelection(ProfileFolder& folder, EditorView& view)
    : folder_(folder), view_(view) {}

std::string ProfileSelection::CurrentProfileName() const {
  return selected_ < 0 ? std::string() : profileList_[static_cast<std::size_t>(selected_)];
}

void ProfileSelection::ListProfiles() {
  profileList_ = folder_.ProfileNames();
  selected_ = profileList_.empty() ? -1 : 0;
  view_.ShowProfileList();
}

void ProfileSelection::RefreshProfileList() {
  std::vector<std::string> names = folder_.ProfileNames();
  if (names == profileList_) return;
  const std::string selected = CurrentProfileName();
  profileList_ = std::move(names);
  selected_ = IndexOf(selected);
  view_.ShowProfileList();
}

void ProfileSelection::SelectProfile(int index) {
  selected_ = index >= 0 && index < static_cast<int>(profileList_.size()) ? index : -1;
}

bool ProfileSelection::SelectListedProfile(const std::string& name) {
  const int index = IndexOf(name);
  if (index < 0) return false;
  Select(index);
  return true;
}

int ProfileSelection::IndexOf(const std::string& name) const {
  for (std::size_t index = 0; index < profileList_.size(); ++index) {
    if (SameProfileName(profileList_[index], name)) return static_cast<int>(index);
  }
  return -1;
}

void ProfileSelection::Select(int index) {
  selected_ = index;
  view_.ShowSelectedProfile(index);
}

void ProfileSelection::AddToList(const std::string& name) {
  profileList_.push_back(name);
  view_.ShowProfileAdded(static_cast<int>(profileList_.size()) - 1);
}

void ProfileSelection::RemoveFromList(int index) {
  profileList_.erase(profileList_.begin() + index);
  if (selected_ == index) selected_ = -1;
  if (selected_ > index) --selected_;
  view_.ShowProfileRemoved(index);
}
