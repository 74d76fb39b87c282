#include "application/PageFlow.h"

#include "application/AboutBox.h"
#include "application/StartPage.h"
#include "editor/ProfileEditor.h"
#include "programming/ProgrammingPage.h"

PageFlow::PageFlow(AppPorts& ports, StartPage& start, ProfileEditor& editor,
                   ProgrammingPage& programming, AboutBox& about)
    : start_(start), editor_(editor), programming_(programming) {
  connect(&start, &StartPage::NextRequested, this, [&] { ShowInPlaceOf(&editor, &start); });
  connect(&editor, &ProfileEditor::PreviousRequested, this,
          [&] { ShowInPlaceOf(&start, &editor); });
  connect(&editor, &ProfileEditor::NextRequested, this, &PageFlow::ShowProgrammingPage);
  connect(&programming, &ProgrammingPage::PreviousRequested, this,
          [&] { ShowInPlaceOf(&editor, &programming); });
  connect(&programming, &ProgrammingPage::FinishRequested, this,
          [&ports] { ports.EndApplication(); });
  connect(&start, &StartPage::AboutRequested, this, [&] { about.ShowModalOver(&start); });
  connect(&editor, &ProfileEditor::AboutRequested, this, [&] { about.ShowModalOver(&editor); });
}

void PageFlow::ShowProgrammingPage() {
  const ProfileStore& profiles = editor_.Profiles();
  programming_.FillProgramList(profiles.CurrentProfileName(), profiles.Profile(),
                               !profiles.State().Changed);
  ShowInPlaceOf(&programming_, &editor_);
}

void PageFlow::ShowEditor() {
  if (programming_.isVisible()) {
    programming_.OnPreviousClicked();
  } else if (!editor_.isVisible()) {
    ShowInPlaceOf(&editor_, &start_);
  }
}
