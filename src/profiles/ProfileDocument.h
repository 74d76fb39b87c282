#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "profiles/SongProfile.h"

// What changed in the open profile, as the document tells those who follow it.
enum class DocumentChange {
  Replaced,  // loaded, made anew or emptied: nothing before can be undone
  Edited,    // an edit, an undo or a redo changed the lists
  Ticked,    // a row's tick, which is no part of the profile
  Marked,    // whether the file holds the lists changed
  Renamed,   // the lists belong to another profile now
};

// The open profile: its lists and name, the history of its edits, and
// whether its file holds the lists (the changed mark). It alone changes
// them, and tells every follower of each change. Each edit is one step,
// kept as the lists before and after it, so that every kind of edit is
// taken back the same way; a save keeps the history, and undoing past it
// marks the lists changed again.
class ProfileDocument {
 public:
  using Follower = std::function<void(DocumentChange)>;
  // How many steps are kept: more than anyone takes back, and a bounded
  // memory for lists of thousands of sounds.
  static constexpr std::size_t MostSteps = 100;

  // No profile yet: Btn1 and Btn2, empty.
  ProfileDocument();

  const SongProfile& Lists() const { return lists_; }
  const std::string& Name() const { return lists_.Name; }
  // The lists hold edits that the profile's file does not.
  bool Changed() const { return savedAt_ != done_; }
  // The buttons present and their sounds are those of `lists`.
  bool Holds(const SongProfile& lists) const;

  // Lists loaded or made anew, for the profile of the name; `saved`: its
  // file holds them.
  void Replace(SongProfile lists, std::string name, bool saved);
  // Runs the edit and keeps it as one step, named `what`, when it changed
  // which buttons are present or their sounds.
  void Edit(const std::string& what, const std::function<void(SongProfile&)>& edit);
  // A change the program makes to fit the lists to the unit, not the user:
  // no step, and the changed mark stays as it was.
  void Adjust(const std::function<void(SongProfile&)>& adjust);
  void Tick(int slot, std::size_t row, bool ticked);
  // The file holds the lists as they are now / holds none of the steps.
  void MarkSaved();
  void MarkUnsaved();
  void Rename(std::string name);

  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < steps_.size(); }
  const std::string& UndoName() const;
  void Undo();
  void Redo();

  // Calls the follower after each change, until Unfollow with its number.
  int Follow(Follower follower);
  void Unfollow(int number);

 private:
  using Buttons = std::array<ButtonSlot, ButtonSlotCount>;
  struct Step {
    std::string What;
    Buttons Before;
    Buttons After;
  };

  void Tell(DocumentChange change);
  void SetMark(std::optional<std::size_t> savedAt);

  SongProfile lists_;
  std::vector<Step> steps_;
  std::size_t done_ = 0;
  // The number of steps done that the file holds; none when it holds no
  // state of the history.
  std::optional<std::size_t> savedAt_ = 0;
  std::map<int, Follower> followers_;
  int nextFollower_ = 0;
};
