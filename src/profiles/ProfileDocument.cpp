#include "profiles/ProfileDocument.h"

#include <algorithm>

namespace {

// Two sets of buttons hold the same sounds in the same order; the ticks of
// the rows are no part of the profile.
bool SameButtons(const std::array<ButtonSlot, ButtonSlotCount>& a,
                 const std::array<ButtonSlot, ButtonSlotCount>& b) {
  return std::equal(
      a.begin(), a.end(), b.begin(), b.end(), [](const ButtonSlot& one, const ButtonSlot& other) {
        return one.Present == other.Present &&
               std::equal(one.Sounds.begin(), one.Sounds.end(), other.Sounds.begin(),
                          other.Sounds.end(), [](const SoundEntry& x, const SoundEntry& y) {
                            return x.FileName == y.FileName && x.Directory == y.Directory &&
                                   x.SizeText == y.SizeText;
                          });
      });
}

}  // namespace

ProfileDocument::ProfileDocument() {
  lists_.Buttons[0].Present = true;
  lists_.Buttons[1].Present = true;
}

bool ProfileDocument::Holds(const SongProfile& lists) const {
  return SameButtons(lists_.Buttons, lists.Buttons);
}

void ProfileDocument::Replace(SongProfile lists, std::string name, bool saved) {
  const bool wasChanged = Changed();
  lists_ = std::move(lists);
  lists_.Name = std::move(name);
  steps_.clear();
  done_ = 0;
  savedAt_ = saved ? std::optional<std::size_t>(0) : std::nullopt;
  Tell(DocumentChange::Replaced);
  if (wasChanged != Changed()) Tell(DocumentChange::Marked);
}

void ProfileDocument::Edit(const std::string& what,
                           const std::function<void(SongProfile&)>& edit) {
  Buttons before = lists_.Buttons;
  edit(lists_);
  if (SameButtons(before, lists_.Buttons)) return;
  const bool wasChanged = Changed();
  // Steps undone are gone once another edit is made, and so is a saved
  // state among them.
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
  if (savedAt_ && *savedAt_ > done_) savedAt_.reset();
  steps_.push_back({what, std::move(before), lists_.Buttons});
  ++done_;
  if (steps_.size() > MostSteps) {
    steps_.erase(steps_.begin());
    --done_;
    if (savedAt_) savedAt_ = *savedAt_ == 0 ? std::nullopt : std::optional(*savedAt_ - 1);
  }
  Tell(DocumentChange::Edited);
  if (wasChanged != Changed()) Tell(DocumentChange::Marked);
}

void ProfileDocument::Adjust(const std::function<void(SongProfile&)>& adjust) {
  const Buttons before = lists_.Buttons;
  adjust(lists_);
  if (!SameButtons(before, lists_.Buttons)) Tell(DocumentChange::Edited);
}

void ProfileDocument::Tick(int slot, std::size_t row, bool ticked) {
  std::vector<SoundEntry>& sounds = lists_.Buttons[static_cast<std::size_t>(slot)].Sounds;
  if (row >= sounds.size() || sounds[row].Checked == ticked) return;
  sounds[row].Checked = ticked;
  Tell(DocumentChange::Ticked);
}

void ProfileDocument::MarkSaved() {
  SetMark(done_);
}

void ProfileDocument::MarkUnsaved() {
  if (!Changed()) SetMark(std::nullopt);
}

void ProfileDocument::Rename(std::string name) {
  if (lists_.Name == name) return;
  lists_.Name = std::move(name);
  Tell(DocumentChange::Renamed);
}

const std::string& ProfileDocument::UndoName() const {
  static const std::string none;
  return CanUndo() ? steps_[done_ - 1].What : none;
}

void ProfileDocument::Undo() {
  if (!CanUndo()) return;
  const bool wasChanged = Changed();
  lists_.Buttons = steps_[--done_].Before;
  Tell(DocumentChange::Edited);
  if (wasChanged != Changed()) Tell(DocumentChange::Marked);
}

void ProfileDocument::Redo() {
  if (!CanRedo()) return;
  const bool wasChanged = Changed();
  lists_.Buttons = steps_[done_++].After;
  Tell(DocumentChange::Edited);
  if (wasChanged != Changed()) Tell(DocumentChange::Marked);
}

int ProfileDocument::Follow(Follower follower) {
  followers_.emplace(nextFollower_, std::move(follower));
  return nextFollower_++;
}

void ProfileDocument::Unfollow(int number) {
  followers_.erase(number);
}

void ProfileDocument::Tell(DocumentChange change) {
  // A follower may stop following, or add another, as it is told.
  const std::map<int, Follower> followers = followers_;
  for (const auto& [number, follower] : followers) {
    if (followers_.contains(number)) follower(change);
  }
}

void ProfileDocument::SetMark(std::optional<std::size_t> savedAt) {
  const bool wasChanged = Changed();
  savedAt_ = savedAt;
  if (wasChanged != Changed()) Tell(DocumentChange::Marked);
}
