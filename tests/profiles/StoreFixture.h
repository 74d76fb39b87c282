#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <tuple>

#include "profiles/ProfileStore.h"
#include "support/ProfileFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/SilentEditorView.h"
#include "support/TemporaryFolder.h"

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// The file system, with every change it was asked for kept as a line
// ("rename .Home.saving Home.qvt", "sync Profiles/"); made read-only, it
// refuses every change, as a folder the user may not write to.
class RecordingFiles final : public FileAccess {
 public:
  explicit RecordingFiles(std::string folder) : folder_(std::move(folder)) {}
  Names Calls;
  bool ReadOnly = false;
  bool WithoutLinks = false;  // as on a file system without second names

  bool WriteNewFile(const std::string& path, std::string_view bytes) override {
    return Record("write " + Name(path)) && SystemFiles().WriteNewFile(path, bytes);
  }
  bool SyncToDisk(const std::string& path) override {
    return Record("sync " + Name(path)) && SystemFiles().SyncToDisk(path);
  }
  bool LinkFile(const std::string& existing, const std::string& newName) override {
    return Record("link " + Name(existing) + " " + Name(newName)) && !WithoutLinks &&
           SystemFiles().LinkFile(existing, newName);
  }
  bool RenameFile(const std::string& from, const std::string& to) override {
    return Record("rename " + Name(from) + " " + Name(to)) && SystemFiles().RenameFile(from, to);
  }
  bool RemoveFile(const std::string& path) override {
    return Record("remove " + Name(path)) && SystemFiles().RemoveFile(path);
  }

 private:
  bool Record(std::string call) {
    Calls.push_back(std::move(call));
    return !ReadOnly;
  }
  std::string Name(const std::string& path) const {
    return path == folder_ ? "Profiles/" : fs::path(path).filename().string();
  }
  std::string folder_;
};

// A program folder with Profiles/ and Sounds/, a store on it, and the status
// line as the store showed it.
class StoreTest : public ::testing::Test, public SilentEditorView {
 protected:
  StoreTest() {
    fs::create_directory(Profiles());
    fs::create_directory(Sounds());
  }
  void ShowInfo(const std::string& text, InfoColour colour) override {
    info = text;
    if (colour != InfoColour::Kept) infoColour = colour;
  }

  std::string Profiles() const { return folder.Path() + "Profiles/"; }
  std::string Sounds() const { return folder.Path() + "Sounds/"; }
  // A sound file of the given size; its full path.
  std::string Sound(const std::string& name, std::size_t size = 100) const {
    WriteFile(Sounds() + name, std::string(size, 'x'));
    return Sounds() + name;
  }
  void Put(const std::string& file, const std::string& text) { WriteFile(Profiles() + file, text); }
  std::string Text(const std::string& file) const { return FileText(Profiles() + file); }
  // A profile's file and backup; a missing file reads as empty text.
  Names Files(const std::string& name) const { return {Text(name + ".qvt"), Text(name + ".BAK")}; }

  // The store as the editor makes it: the folder listed.
  ProfileStore& Store() {
    if (!store) {
      store = std::make_unique<ProfileStore>(Profiles(), document, prompts, *this, files);
      store->Selection().ListProfiles();
    }
    return *store;
  }
  const SongProfile& Lists() const { return document.Lists(); }
  bool Changed() const { return document.Changed(); }
  void Edit(const std::function<void(SongProfile&)>& edit) { document.Edit("Edit", edit); }
  // The result of a command that asked only what the script answers at once.
  template <typename Result>
  Result Answered(Task<Result> task) {
    EXPECT_TRUE(task.Done()) << "a question waits for an answer";
    return task.Result();
  }
  Names FileNames(int slot) {
    Names names;
    for (const SoundEntry& s : Lists().Buttons[slot].Sounds) names.push_back(s.FileName);
    return names;
  }
  // The user's choice in the selector.
  void Choose(const std::string& name) {
    const Names& list = Store().Selection().ProfileList();
    Store().Selection().SelectProfile(std::find(list.begin(), list.end(), name) - list.begin());
    Store().SelectionChanged();
  }
  // An edit: a new sound file added to a list.
  void AddSound(int slot, const std::string& name) {
    Sound(name);
    Edit([&](SongProfile& lists) { lists.Buttons[slot].Sounds.push_back({name, "100", Sounds()}); });
  }

  TemporaryFolder folder;
  ProfileDocument document;
  ScriptedPrompts prompts;
  RecordingFiles files{Profiles()};
  std::unique_ptr<ProfileStore> store;
  std::string info;
  InfoColour infoColour = InfoColour::Ordinary;
};
