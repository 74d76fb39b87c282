#include "editor/EditorHelpMenu.h"

#include <QMenu>

#include "app/HelpPane.h"
#include "app/MenuEntry.h"
#include "app/SharedHelpEntries.h"

EditorHelpMenu::EditorHelpMenu(QMenu* help1, QAction* about1, HelpPane* pane, AppPorts& ports)
    : QObject(help1), help1_(help1), about1_(about1), pane_(pane) {
  new SharedHelpEntries(help1, about1, pane, ports,
                        QStringLiteral("Sound editing instructions could not be found"));
  AddSeparator("N2");
  AddPaneEntry("AddingSongs1", QStringLiteral("Adding &Sounds"),
               &EditorHelpMenu::AddingSongs1Click);
  AddPaneEntry("RemovingSongs1", QStringLiteral("Remo&ving Sounds"),
               &EditorHelpMenu::RemovingSongs1Click);
  AddPaneEntry("SaveProfile1", QStringLiteral("&Profiles"), &EditorHelpMenu::SaveProfile1Click);
  AddPaneEntry("PreviousButton1", QStringLiteral("Previous &Button"),
               &EditorHelpMenu::PreviousButton1Click);
  AddPaneEntry("NextButton1", QStringLiteral("&Next Button"), &EditorHelpMenu::NextButton1Click);
  AddPaneEntry("ProgressBar2", QStringLiteral("Pro&gress Bar"), &EditorHelpMenu::ProgressBar2Click);
  AddPaneEntry("SongList1", QStringLiteral("Sound &List"), &EditorHelpMenu::SongList1Click);
  AddSeparator("N1");
}

void EditorHelpMenu::AddPaneEntry(const char* objectName, const QString& caption,
                                  void (EditorHelpMenu::*handler)()) {
  AddMenuEntry(help1_, objectName, caption, this, handler, about1_);
}

void EditorHelpMenu::AddSeparator(const char* objectName) {
  help1_->insertSeparator(about1_)->setObjectName(QString::fromLatin1(objectName));
}

void EditorHelpMenu::AddingSongs1Click() {
  pane_->ShowHelpPage(QStringLiteral("AddFilesPage1.htm"));
}

void EditorHelpMenu::RemovingSongs1Click() {
  pane_->ShowHelpPage(QStringLiteral("AddFilesPage2.htm"));
}

void EditorHelpMenu::SaveProfile1Click() {
  pane_->ShowHelpPage(QStringLiteral("AboutProfiles.htm"));
}

void EditorHelpMenu::PreviousButton1Click() {
  pane_->ShowHelpPage(QStringLiteral("PreviousButton.htm"));
}

void EditorHelpMenu::NextButton1Click() {
  pane_->ShowHelpPage(QStringLiteral("NextButton.htm"));
}

void EditorHelpMenu::ProgressBar2Click() {
  pane_->ShowHelpPage(QStringLiteral("ProfileProgressBar.htm"));
}

void EditorHelpMenu::SongList1Click() {
  pane_->ShowHelpPage(QStringLiteral("ProfileView.htm"));
}
