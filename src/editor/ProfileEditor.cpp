#include "editor/ProfileEditor.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "app/AboutBox.h"
#include "app/ButtonFaces.h"
#include "app/HelpPane.h"
#include "app/StartPage.h"
#include "editor/EditorHelpMenu.h"

ProfileEditor::ProfileEditor(AppPorts& ports, Windows& windows)
    : Page(ports, "Form3", QStringLiteral("Create Song Profile"), QSize(792, 592)),
      windows_(windows) {
  menuBar()->setObjectName(QStringLiteral("MainMenu1"));
  Help1 = menuBar()->addMenu(QStringLiteral("Help"));
  Help1->setObjectName(QStringLiteral("Help1"));
  About1 = Help1->addAction(QStringLiteral("About"), this, &ProfileEditor::About1Click);
  About1->setObjectName(QStringLiteral("About1"));

  bbPrevious = MakePictureButton(client_, "bbPrevious", ButtonFace::Previous);
  Place(bbPrevious, QRect(24, 495, 150, 50), AnchorLeft | AnchorBottom);
  connect(bbPrevious, &QPushButton::clicked, this, &ProfileEditor::bbPreviousClick);
  bbNext = MakePictureButton(client_, "bbNext", ButtonFace::Next);
  Place(bbNext, QRect(264, 495, 150, 50), AnchorLeft | AnchorBottom);

  // The pane stops 534 pixels down, clear of the status bar.
  Panel1 = new HelpPane(client_, ports.ProgramFolder);
  Place(Panel1, QRect(432, 0, 361, 534), AnchorAll);
  new EditorHelpMenu(Help1, About1, Panel1, ports);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(PollIntervalMs);
  Timer1->start();

  ApplyDesignSize();
}

void ProfileEditor::FormShow() {
  Panel1->ShowHelpPage(QStringLiteral("AddFilesIntro.htm"));
}

void ProfileEditor::FormMouseUp(Qt::MouseButton button) {
  if (button == Qt::RightButton) Panel1->ShowHelpPage(QStringLiteral("AddFilesIntro.htm"));
}

void ProfileEditor::bbPreviousClick() {
  ShowInPlaceOf(windows_.fStart, this);
}

void ProfileEditor::About1Click() {
  windows_.frmAbout->exec();
}

void ProfileEditor::closeEvent(QCloseEvent* event) {
  event->accept();
  EndApplication();
}
