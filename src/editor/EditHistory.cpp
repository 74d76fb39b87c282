#include "editor/EditHistory.h"

#include <QUndoCommand>
#include <algorithm>

namespace {

// Two lists hold the same sounds in the same order; the ticks of the rows
// are no part of the profile.
bool SameLists(const ListsSnapshot& a, const ListsSnapshot& b) {
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

// How many steps are kept: more than anyone takes back, and a bounded memory
// for lists of thousands of sounds.
constexpr int MostSteps = 100;

}  // namespace

// One edit: the lists before and after it.
class EditHistory::ListsStep final : public QUndoCommand {
 public:
  ListsStep(EditHistory& history, const QString& what, ListsSnapshot before, ListsSnapshot after)
      : QUndoCommand(what),
        history_(history),
        before_(std::move(before)),
        after_(std::move(after)) {}

  void undo() override { history_.Restore(before_); }
  void redo() override {
    // The edit itself made the lists so when the step was recorded.
    if (done_) history_.Restore(after_);
    done_ = true;
  }

 private:
  EditHistory& history_;
  ListsSnapshot before_;
  ListsSnapshot after_;
  bool done_ = false;
};

EditHistory::EditHistory(SongProfile& profile, std::function<void()> showLists, QObject* parent)
    : QObject(parent), profile_(profile), showLists_(std::move(showLists)) {
  steps_.setUndoLimit(MostSteps);
  connect(&steps_, &QUndoStack::indexChanged, this,
          [this] { emit EditedChanged(!steps_.isClean()); });
}

void EditHistory::Record(const QString& what, const std::function<void()>& edit) {
  Begin();
  edit();
  End(what);
}

void EditHistory::Begin() {
  begun_ = profile_.Buttons;
}

void EditHistory::End(const QString& what) {
  if (!begun_) return;
  ListsSnapshot before = std::move(*begun_);
  begun_.reset();
  if (SameLists(before, profile_.Buttons)) return;
  steps_.push(new ListsStep(*this, what, std::move(before), profile_.Buttons));
}

void EditHistory::StartAfresh() {
  steps_.clear();
}

void EditHistory::MarkSaved() {
  steps_.setClean();
}

void EditHistory::MarkUnsaved() {
  if (steps_.isClean()) steps_.resetClean();
}

void EditHistory::Restore(const ListsSnapshot& lists) {
  profile_.Buttons = lists;
  showLists_();
}
