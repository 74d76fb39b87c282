#include "application/StartPage.h"

#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/ButtonFaces.h"
#include "widgets/HelpPane.h"
#include "widgets/MenuEntry.h"
#include "widgets/SharedHelpEntries.h"

StartPage::StartPage(AppPorts& ports) : Page(ports, "fStart", tr("Welcome")) {
  MenuBar()->setObjectName(QStringLiteral("MainMenu1"));
  QMenu* helpMenu = AddMenu(MenuBar(), "Help1", tr("&Help"));
  QAction* aboutEntry =
      AddMenuEntry(helpMenu, "About1", tr("&About"), this, &StartPage::AboutRequested);

  helpPane_ = new HelpPane(this, ports.ProgramFolder);
  new SharedHelpEntries(helpMenu, aboutEntry, helpPane_, ports,
                        tr("Song editing instructions could not be found"));
  helpMenu->insertSeparator(aboutEntry)->setObjectName(QStringLiteral("N1"));
  addAction(ManualKey(this, helpPane_));
  nextButton_ = MakePictureButton(this, "bbContinue", ButtonFace::Next);
  connect(nextButton_, &QPushButton::clicked, this, &StartPage::NextRequested);

  // The help above, NEXT centred below it.
  auto* buttons = new QHBoxLayout();
  buttons->addStretch();
  buttons->addWidget(nextButton_);
  buttons->addStretch();
  auto* content = new QVBoxLayout();
  content->setContentsMargins(0, 0, 0, 9);
  content->addWidget(helpPane_, 1);
  content->addLayout(buttons);
  SetContent(content);
}

void StartPage::OnShown() {
  helpPane_->ShowHelpPage(QStringLiteral("Introduction.htm"));
  // Enter goes on from the first moment.
  nextButton_->setFocus(Qt::ActiveWindowFocusReason);
}

void StartPage::OnFreeAreaReleased(Qt::MouseButton button) {
  if (button == Qt::RightButton) helpPane_->ShowHelpPage(QStringLiteral("Introduction.htm"));
}
