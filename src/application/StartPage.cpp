#include "application/StartPage.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include "widgets/ButtonFaces.h"
#include "widgets/HelpPane.h"
#include "widgets/MenuEntry.h"
#include "widgets/SharedHelpEntries.h"

QPoint StartPagePosition(QSize screen) {
  return {screen.width() > 800 ? 10 : 0, screen.height() > 600 ? 10 : 0};
}

StartPage::StartPage(AppPorts& ports)
    : Page(ports, "fStart", QStringLiteral("Welcome"), QSize(792, 554)) {
  menuBar()->setObjectName(QStringLiteral("MainMenu1"));
  QMenu* helpMenu = AddMenu(menuBar(), "Help1", QStringLiteral("&Help"));
  QAction* aboutEntry = AddMenuEntry(helpMenu, "About1", QStringLiteral("&About"), this,
                                     &StartPage::AboutRequested);

  helpPane_ = new HelpPane(client_, ports.ProgramFolder);
  Place(helpPane_, QRect(0, 0, 793, 485), AnchorAll);
  new SharedHelpEntries(helpMenu, aboutEntry, helpPane_, ports,
                        QStringLiteral("Song editing instructions could not be found"));
  helpMenu->insertSeparator(aboutEntry)->setObjectName(QStringLiteral("N1"));
  addAction(ManualKey(this, helpPane_));
  nextButton_ = MakePictureButton(client_, "bbContinue", ButtonFace::Next);
  Place(nextButton_, QRect(321, 495, 150, 50), AnchorBottom);
  connect(nextButton_, &QPushButton::clicked, this, &StartPage::NextRequested);

  ApplyStartSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    PlaceFrameAt(StartPagePosition(screen->size()));
  }
}

void StartPage::OnShown() {
  helpPane_->ShowHelpPage(QStringLiteral("Introduction.htm"));
  // Enter goes on from the first moment.
  nextButton_->setFocus(Qt::ActiveWindowFocusReason);
}

void StartPage::OnFreeAreaReleased(Qt::MouseButton button) {
  if (button == Qt::RightButton) helpPane_->ShowHelpPage(QStringLiteral("Introduction.htm"));
}

void StartPage::closeEvent(QCloseEvent* event) {
  event->accept();
  EndApplication();
}
