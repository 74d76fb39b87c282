#include "app/StartPage.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include "app/AboutBox.h"
#include "app/ButtonFaces.h"
#include "app/HelpPane.h"
#include "app/MenuEntry.h"
#include "app/SharedHelpEntries.h"
#include "editor/ProfileEditor.h"

QPoint StartPagePosition(QSize screen) {
  return {screen.width() > 800 ? 10 : 0, screen.height() > 600 ? 10 : 0};
}

StartPage::StartPage(AppPorts& ports, Windows& windows)
    : Page(ports, "fStart", QStringLiteral("Welcome"), QSize(792, 554)), windows_(windows) {
  menuBar()->setObjectName(QStringLiteral("MainMenu1"));
  Help1 = AddMenu(menuBar(), "Help1", QStringLiteral("&Help"));
  About1 = AddMenuEntry(Help1, "About1", QStringLiteral("&About"), this, &StartPage::About1Click);

  Panel1 = new HelpPane(client_, ports.ProgramFolder);
  Place(Panel1, QRect(0, 0, 793, 485), AnchorAll);
  new SharedHelpEntries(Help1, About1, Panel1, ports,
                        QStringLiteral("Song editing instructions could not be found"));
  N1 = Help1->insertSeparator(About1);
  N1->setObjectName(QStringLiteral("N1"));
  bbContinue = MakePictureButton(client_, "bbContinue", ButtonFace::Next);
  Place(bbContinue, QRect(321, 495, 150, 50), AnchorBottom);
  connect(bbContinue, &QPushButton::clicked, this, &StartPage::bbContinueClick);

  ApplyDesignSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    PlaceFrameAt(StartPagePosition(screen->size()));
  }
}

void StartPage::FormShow() {
  Panel1->ShowHelpPage(QStringLiteral("Introduction.htm"));
}

void StartPage::FormMouseUp(Qt::MouseButton button) {
  if (button == Qt::RightButton) Panel1->ShowHelpPage(QStringLiteral("Introduction.htm"));
}

void StartPage::bbContinueClick() {
  ShowInPlaceOf(windows_.Form3, this);
}

void StartPage::About1Click() {
  windows_.frmAbout->ShowModalOver(this);
}

void StartPage::closeEvent(QCloseEvent* event) {
  event->accept();
  EndApplication();
}
