#include "programming/ProgrammingPage.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "app/ButtonFaces.h"
#include "app/HelpPane.h"
#include "app/StatusText.h"
#include "editor/ProfileEditor.h"

ProgrammingPage::ProgrammingPage(AppPorts& ports, Windows& windows)
    : Page(ports, "Form1", QStringLiteral("Program Vantora"), QSize(792, 573)),
      windows_(windows),
      deviceLink_(ports.Driver),
      unitProbe_(deviceLink_, unitStatus_, *this) {
  ListView1 = new QTreeWidget(client_);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  ListView1->setRootIsDecorated(false);
  ListView1->setHeaderLabels(
      {QStringLiteral("Song"), QStringLiteral("Size"), QStringLiteral("Btn")});
  ListView1->setColumnWidth(0, 323);
  ListView1->setColumnWidth(1, 63);
  ListView1->setColumnWidth(2, 30);
  ListView1->headerItem()->setTextAlignment(2, Qt::AlignCenter);
  Place(ListView1, QRect(8, 0, 420, 375), AnchorLeft | AnchorTop | AnchorBottom);

  Label8 = new QLabel(client_);
  Label8->setObjectName(QStringLiteral("Label8"));
  MakeBoldStatusLabel(Label8, 16);
  ShowStatusText(Label8, QStringLiteral("Programmer Not Found"), FailureColour);
  Place(Label8, QRect(8, 384, 420, 20), AnchorLeft | AnchorTop | AnchorRight);

  ProgressBar1 = new QProgressBar(client_);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
  Place(ProgressBar1, QRect(8, 408, 420, 33), AnchorLeft | AnchorBottom);

  Label3 = new QLabel(QStringLiteral(" "), client_);
  Label3->setObjectName(QStringLiteral("Label3"));
  MakeBoldStatusLabel(Label3, 16);
  Place(Label3, QRect(8, 445, 420, 25), AnchorLeft | AnchorRight | AnchorBottom);

  bbPrevious = MakePictureButton(client_, "bbPrevious", ButtonFace::Previous);
  Place(bbPrevious, QRect(16, 504, 150, 50), AnchorLeft | AnchorBottom);
  connect(bbPrevious, &QPushButton::clicked, this, &ProgrammingPage::bbPreviousClick);

  bbProgram = MakePictureButton(client_, "bbProgram", ButtonFace::Program);
  Place(bbProgram, QRect(264, 504, 150, 50), AnchorLeft | AnchorBottom);

  Panel1 = new HelpPane(client_, ports.ProgramFolder);
  Place(Panel1, QRect(432, 0, 361, 573), AnchorAll);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(ProbeIntervalMs);
  connect(Timer1, &QTimer::timeout, this, &ProgrammingPage::Timer1Timer);

  ApplyDesignSize();
  unitProbe_.ProbeUnit();
  Timer1->start();
}

void ProgrammingPage::Timer1Timer() {
  unitProbe_.ProbeUnit();
}

void ProgrammingPage::ShowProgrammerLine(ProgrammerLine line) {
  if (line == ProgrammerLine::Ready) {
    ShowStatusText(Label8, QStringLiteral("Programmer Ready"), SuccessColour);
  } else {
    ShowStatusText(Label8, QStringLiteral("Programmer Not Found"), FailureColour);
  }
}

void ProgrammingPage::bbPreviousClick() {
  ShowInPlaceOf(windows_.Form3, this);
}

void ProgrammingPage::FormShow() {
  Panel1->ShowHelpPage(QStringLiteral("ProgramPage1.htm"));
}

void ProgrammingPage::FormHide() {
  Label3->setText(QString());
}

void ProgrammingPage::closeEvent(QCloseEvent* event) {
  event->accept();
  FormClose();
}

void ProgrammingPage::FormClose() {
  deviceLink_.CloseLink();
  EndApplication();
}
