#include "editor/EditorHelpMenu.h"

#include <QMenu>

#include "widgets/HelpPane.h"
#include "widgets/SharedHelpEntries.h"

EditorHelpMenu::EditorHelpMenu(QMenu* helpMenu, QAction* aboutEntry, HelpPane* pane,
                               AppPorts& ports)
    : QObject(helpMenu), helpMenu_(helpMenu), aboutEntry_(aboutEntry), pane_(pane) {
  new SharedHelpEntries(helpMenu, aboutEntry, pane, ports,
                        tr("Sound editing instructions could not be found"));
  AddSeparator("N2");
  AddPaneEntry("AddingSongs1", tr("Adding &Sounds"), QStringLiteral("AddFilesPage1.htm"));
  AddPaneEntry("RemovingSongs1", tr("Remo&ving Sounds"), QStringLiteral("AddFilesPage2.htm"));
  AddPaneEntry("SaveProfile1", tr("&Profiles"), QStringLiteral("AboutProfiles.htm"));
  AddPaneEntry("PreviousButton1", tr("Previous &Button"), QStringLiteral("PreviousButton.htm"));
  AddPaneEntry("NextButton1", tr("&Next Button"), QStringLiteral("NextButton.htm"));
  AddPaneEntry("ProgressBar2", tr("Pro&gress Bar"), QStringLiteral("ProfileProgressBar.htm"));
  AddPaneEntry("SongList1", tr("Sound &List"), QStringLiteral("ProfileView.htm"));
  AddPaneEntry("EditAndFitSounds1", tr("Edit Sounds and Make &Them Fit"),
               QStringLiteral("EditAndFitSounds.htm"));
  AddSeparator("N1");
}

void EditorHelpMenu::AddPaneEntry(const char* objectName, const QString& caption,
                                  const QString& page) {
  auto* entry = new QAction(caption, helpMenu_);
  entry->setObjectName(QString::fromLatin1(objectName));
  connect(entry, &QAction::triggered, pane_, [this, page] { pane_->ShowHelpPage(page); });
  helpMenu_->insertAction(aboutEntry_, entry);
}

void EditorHelpMenu::AddSeparator(const char* objectName) {
  helpMenu_->insertSeparator(aboutEntry_)->setObjectName(QString::fromLatin1(objectName));
}
