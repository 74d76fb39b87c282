#pragma once

#include <string>
#include <vector>

#include "profiles/EditorView.h"
#include "profiles/ProfileFolder.h"

// The profile selector's items, the profiles of the Profiles folder by name,
// and its selection. Each change is shown at once through EditorView.
class ProfileSelection {
 public:
  ProfileSelection(ProfileFolder& folder, EditorView& view);

  // The selector's items and its selection (-1: none).
  const std::vector<std::string>& ProfileList() const { return profileList_; }
  int SelectedIndex() const { return selected_; }
  std::string CurrentProfileName() const;

  void ListProfiles();
  // Lists the profiles the folder holds now, keeping the selection by name:
  // files copied in, removed or renamed while the program runs.
  void RefreshProfileList();
  // The user chose an item; the store's SelectionChanged follows.
  void SelectProfile(int index);
  // Selects a profile of the list by name, without loading it; false when
  // the list has none of that name.
  bool SelectListedProfile(const std::string& name);

  // Changes to the selector, each shown at once.
  int IndexOf(const std::string& name) const;
  void Select(int index);
  void AddToList(const std::string& name);
  void RemoveFromList(int index);

 private:
  ProfileFolder& folder_;
  EditorView& view_;
  std::vector<std::string> profileList_;
  int selected_ = -1;
};
