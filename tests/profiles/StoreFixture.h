#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "profiles/ProfileStore.h"
#include "support/ScriptedPrompts.h"
#include "support/TemporaryFolder.h"

// Keeps what the store showed: the status line and a copy of the selector.
class RecordingView final : public EditorView {
 public:
  std::string Info;
  InfoColour Colour = InfoColour::Ordinary;
  std::vector<std::string> InfoTexts;
  std::vector<std::string> Items;
  int Selected = -1;
  int Refreshes = 0;
  const ProfileStore* Store = nullptr;

  void ShowInfo(const std::string& text, InfoColour colour) override {
    Info = text;
    if (colour != InfoColour::Kept) Colour = colour;
    InfoTexts.push_back(text);
  }
  void ShowProfileList() override {
    Items = Store->ProfileList();
    Selected = Store->SelectedIndex();
  }
  void ShowProfileAdded(int index) override {
    Items.insert(Items.begin() + index, Store->ProfileList()[index]);
  }
  void ShowProfileRemoved(int index) override { Items.erase(Items.begin() + index); }
  void ShowSelectedProfile(int index) override { Selected = index; }
  void ShowButtons() override {}
  void ShowSounds(int) override {}
  void RefreshCapacity() override { ++Refreshes; }
};

// A program folder with Profiles/ and a folder of sounds, and a store on it.
class StoreTest : public ::testing::Test {
 protected:
  StoreTest() {
    std::filesystem::create_directory(Profiles());
    std::filesystem::create_directory(Sounds());
  }

  std::string Profiles() const { return folder.Path() + "Profiles/"; }
  std::string Sounds() const { return folder.Path() + "Sounds/"; }

  // A sound file of the given size; its full path.
  std::string Sound(const std::string& name, std::size_t size = 100) const {
    WriteFile(Sounds() + name, std::string(size, 'x'));
    return Sounds() + name;
  }
  void StoreProfile(const std::string& fileName, const std::string& text) const {
    WriteFile(Profiles() + fileName, text);
  }
  std::string StoredText(const std::string& fileName) const {
    return FileText(Profiles() + fileName);
  }
  bool Exists(const std::string& fileName) const {
    return std::filesystem::exists(Profiles() + fileName);
  }

  // The store as the editor makes it: the folder listed.
  ProfileStore& Store() {
    if (!store) {
      store = std::make_unique<ProfileStore>(Profiles(), prompts, view);
      view.Store = store.get();
      store->ListProfiles();
    }
    return *store;
  }
  std::vector<std::string> FileNames(int slot) {
    std::vector<std::string> names;
    for (const SoundEntry& sound : Store().Profile().Buttons[slot].Sounds) {
      names.push_back(sound.FileName);
    }
    return names;
  }
  void Choose(const std::string& name) {
    Store().SelectProfile(view.Selected = IndexOf(name));
    Store().SelectionChanged();
  }
  int IndexOf(const std::string& name) {
    const auto& list = Store().ProfileList();
    return static_cast<int>(std::find(list.begin(), list.end(), name) - list.begin());
  }
  // An edit: a new sound file added to a list.
  void AddSound(int slot, const std::string& name) {
    Sound(name);
    Store().Profile().Buttons[slot].Sounds.push_back({name, "100", Sounds(), false});
    Store().State().Changed = true;
  }
  // The selector as the page shows it agrees with the store.
  void ExpectSelectorShown() {
    EXPECT_EQ(view.Items, Store().ProfileList());
    EXPECT_EQ(view.Selected, Store().SelectedIndex());
  }

  TemporaryFolder folder;
  ScriptedPrompts prompts;
  RecordingView view;
  std::unique_ptr<ProfileStore> store;
};

// A profile file as the program writes it: one list of full paths per button.
inline std::string ProfileText(int number, const std::vector<std::vector<std::string>>& buttons) {
  std::string text = "[Profile]\r\nID=" + std::to_string(number) +
                     "\r\nNumButtons=" + std::to_string(buttons.size()) + "\r\n";
  for (std::size_t slot = 0; slot < buttons.size(); ++slot) {
    text += "[Button" + std::to_string(slot) +
            "]\r\nNumSounds=" + std::to_string(buttons[slot].size()) + "\r\n";
    for (std::size_t index = 0; index < buttons[slot].size(); ++index) {
      text += "Sound" + std::to_string(index) + "=" + buttons[slot][index] + "\r\n";
    }
  }
  return text;
}
