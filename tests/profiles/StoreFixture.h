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

// Keeps the status line as the store showed it.
class RecordingView final : public EditorView {
 public:
  std::string Info;
  InfoColour Colour = InfoColour::Ordinary;
  std::vector<std::string> InfoTexts;

  void ShowInfo(const std::string& text, InfoColour colour) override {
    Info = text;
    if (colour != InfoColour::Kept) Colour = colour;
    InfoTexts.push_back(text);
  }
  void ShowProfileList() override {}
  void ShowProfileAdded(int) override {}
  void ShowProfileRemoved(int) override {}
  void ShowSelectedProfile(int) override {}
  void ShowButtons() override {}
  void ShowSounds(int) override {}
  void RefreshCapacity() override {}
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
  void StoreProfile(const std::string& file, const std::string& text) const {
    WriteFile(Profiles() + file, text);
  }
  std::string StoredText(const std::string& file) const { return FileText(Profiles() + file); }
  bool Exists(const std::string& file) const { return std::filesystem::exists(Profiles() + file); }

  // The store as the editor makes it: the folder listed.
  ProfileStore& Store() {
    if (!store) {
      store = std::make_unique<ProfileStore>(Profiles(), prompts, view);
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
  // The user's choice in the selector.
  void Choose(const std::string& name) {
    const auto& list = Store().ProfileList();
    Store().SelectProfile(
        static_cast<int>(std::find(list.begin(), list.end(), name) - list.begin()));
    Store().SelectionChanged();
  }
  // An edit: a new sound file added to a list.
  void AddSound(int slot, const std::string& name) {
    Sound(name);
    Store().Profile().Buttons[slot].Sounds.push_back({name, "100", Sounds(), false});
    Store().State().Changed = true;
  }

  TemporaryFolder folder;
  ScriptedPrompts prompts;
  RecordingView view;
  std::unique_ptr<ProfileStore> store;
};

inline void ExpectAsked(const Question& asked, const std::string& text, const std::string& title,
                        PromptButtons buttons, PromptIcon icon = PromptIcon::None) {
  EXPECT_EQ(asked.Text, text);
  EXPECT_EQ(asked.Title, title);
  EXPECT_EQ(asked.Buttons, buttons);
  EXPECT_EQ(asked.Icon, icon);
}

inline std::string MissingFileText(const std::string& path) {
  return "The file : " + path +
         " does not exist or has been moved. Press YES to search for the file, NO to delete the "
         "file or CANCEL to quit.";
}

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
