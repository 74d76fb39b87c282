// The profile editor's Make It Fit: where it is offered, and its new sounds
// put in the lists in place of the old ones.
#include <QMenu>
#include <QTreeView>
#include <algorithm>

#include "editor/ProfileEditor.h"
#include "editor/SoundListModel.h"
#include "profiles/UserPrompts.h"

void ProfileEditor::MakeProfileFit() {
  makeItFit_->Start(MeasuringUnit());
}

void ProfileEditor::OfferToMakeFit() {
  if (MeasuringUnit().MemoryCount == 0) return;
  const Question offer{
      "The sound is larger than the unit's memory. Make It Fit can write a shorter or smaller "
      "copy of it beside the original, which stays as it is. Make it fit now?",
      "Make It Fit", PromptButtons::YesNo, PromptIcon::Question};
  if (ports_.Prompts.Ask(offer) == PromptAnswer::Yes) MakeProfileFit();
}

void ProfileEditor::ShowListMenu(QTreeView* list, QPoint position) {
  const int slot = static_cast<int>(
      std::find(soundListViews_.begin(), soundListViews_.end(), list) - soundListViews_.begin());
  const QModelIndex row = list->indexAt(position);
  makeFitOfRow_->setVisible(row.isValid() && soundLists_[slot]->IsLeftOut(row.row()));
  listMenu_->popup(list->viewport()->mapToGlobal(position));
}

void ProfileEditor::ReplaceFittedSounds(const std::vector<SoundRow>& replacements) {
  std::array<bool, ButtonSlotCount> replaced{};
  history_->Record(QStringLiteral("Make It Fit"), [&] {
    for (const SoundRow& replacement : replacements) {
      store_.Profile().Buttons[replacement.Slot].Sounds[replacement.Row] = replacement.Sound;
      soundChecks_.Remember(replacement.Sound, true);
      replaced[replacement.Slot] = true;
    }
  });
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    if (replaced[slot]) soundLists_[slot]->Reload();
  }
  MarkEdited();
  RefreshCapacity();
  const std::size_t count = replacements.size();
  const std::string sounds = count == 1 ? "1 new sound" : std::to_string(count) + " new sounds";
  const std::size_t leftOut = PlanForUnit().LeftOutCount();
  ShowInfo(leftOut == 0 ? "Every sound fits the unit now, with " + sounds
                        : sounds + " in the lists; " + std::to_string(leftOut) +
                              (leftOut == 1 ? " still does not fit" : " still do not fit"),
           InfoColour::Ordinary);
}
