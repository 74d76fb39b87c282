#include "application/PageFlow.h"

#include "application/AboutBox.h"
#include "application/MainWindow.h"
#include "application/StartPage.h"
#include "editor/ProfileEditor.h"
#include "programming/ProgrammingPage.h"

PageFlow::PageFlow(AppPorts& ports, MainWindow& window, StartPage& start, ProfileEditor& editor,
                   ProgrammingPage& programming, AboutBox& about)
    : window_(window), start_(start), editor_(editor), programming_(programming) {
  connect(&start, &StartPage::NextRequested, this, &PageFlow::ShowEditorOnSelectedProfile);
  connect(&editor, &ProfileEditor::PreviousRequested, this, &PageFlow::ShowStart);
  connect(&editor, &ProfileEditor::NextRequested, this, &PageFlow::ShowProgrammingPage);
  connect(&programming, &ProgrammingPage::PreviousRequested, this, &PageFlow::ShowEditor);
  connect(&programming, &ProgrammingPage::FinishRequested, this,
          [&ports] { ports.EndApplication(); });
  connect(&start, &StartPage::AboutRequested, &about, &AboutBox::ShowOverWindow);
  connect(&editor, &ProfileEditor::AboutRequested, &about, &AboutBox::ShowOverWindow);
}

void PageFlow::ShowStart() {
  window_.ShowPage(&start_);
}

Task<> PageFlow::ShowEditorOnSelectedProfile() {
  window_.ShowPage(&editor_);
  co_await editor_.ShowSelectedProfile();
}

void PageFlow::ShowEditor() {
  window_.ShowPage(&editor_);
}

void PageFlow::ShowProgrammingPage() {
  const ProfileDocument& document = editor_.Document();
  programming_.FillProgramList(editor_.Profiles().Selection().CurrentProfileName(),
                               document.Lists(), !document.Changed());
  window_.ShowPage(&programming_);
}
