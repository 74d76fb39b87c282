#include "programming/ProgrammingPage.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

#include "app/ButtonFaces.h"
#include "app/HelpPane.h"
#include "app/StatusText.h"
#include "device/SoundPacking.h"
#include "editor/ProfileEditor.h"
#include "profiles/ProfileStore.h"
#include "profiles/SoundEntry.h"

namespace {

constexpr int SongColumn = 0;
constexpr int SizeColumn = 1;
constexpr int BtnColumn = 2;

// Every sound of the present buttons, all of Btn1 first.
std::vector<ProgramListRow> ProgramListOf(const SongProfile& profile) {
  std::vector<ProgramListRow> rows;
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    const ButtonSlot& button = profile.Buttons[slot];
    if (!button.Present) continue;
    for (const SoundEntry& sound : button.Sounds) {
      rows.push_back({sound.FileName, sound.SizeText, slot + 1, sound.Directory});
    }
  }
  return rows;
}

}  // namespace

ProgrammingPage::ProgrammingPage(AppPorts& ports, Windows& windows, DeviceThread& device,
                                 const UnitStatusHolder& unit)
    : Page(ports, "Form1", QStringLiteral("Program Vantora"), QSize(792, 573)),
      windows_(windows),
      device_(device),
      unit_(unit) {
  ListView1 = new QTreeWidget(client_);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  ListView1->setRootIsDecorated(false);
  ListView1->setHeaderLabels(
      {QStringLiteral("Song"), QStringLiteral("Size"), QStringLiteral("Btn")});
  ListView1->setColumnWidth(SongColumn, 323);
  ListView1->setColumnWidth(SizeColumn, 63);
  ListView1->setColumnWidth(BtnColumn, 30);
  ListView1->headerItem()->setTextAlignment(BtnColumn, Qt::AlignCenter);
  ListView1->viewport()->installEventFilter(this);
  Place(ListView1, QRect(8, 0, 420, 375), AnchorLeft | AnchorTop | AnchorBottom);

  Label8 = new QLabel(client_);
  Label8->setObjectName(QStringLiteral("Label8"));
  MakeBoldStatusLabel(Label8, 16);
  ShowStatusText(Label8, QStringLiteral("Programmer Not Found"), FailureColour);
  // The lines below the list keep to the bottom edge and to the list's width,
  // so that neither the growing list nor the help pane covers them.
  Place(Label8, QRect(8, 384, 420, 20), AnchorLeft | AnchorBottom);

  ProgressBar1 = new QProgressBar(client_);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
  ProgressBar1->installEventFilter(this);
  Place(ProgressBar1, QRect(8, 408, 420, 33), AnchorLeft | AnchorBottom);

  Label3 = new QLabel(QStringLiteral(" "), client_);
  Label3->setObjectName(QStringLiteral("Label3"));
  MakeBoldStatusLabel(Label3, 16);
  // A success with sounds left out takes more lines.
  Label3->setWordWrap(true);
  Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Place(Label3, QRect(8, 445, 420, 58), AnchorLeft | AnchorBottom);

  bbPrevious = MakePictureButton(client_, "bbPrevious", ButtonFace::Previous);
  Place(bbPrevious, QRect(16, 504, 150, 50), AnchorLeft | AnchorBottom);
  connect(bbPrevious, &QPushButton::clicked, this, &ProgrammingPage::bbPreviousClick);

  bbProgram = MakePictureButton(client_, "bbProgram", ButtonFace::Program);
  Place(bbProgram, QRect(264, 504, 150, 50), AnchorLeft | AnchorBottom);
  connect(bbProgram, &QPushButton::clicked, this, &ProgrammingPage::bbProgramClick);

  Panel1 = new HelpPane(client_, ports.ProgramFolder);
  Place(Panel1, QRect(432, 0, 361, 573), AnchorAll);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(ProbeIntervalMs);
  connect(Timer1, &QTimer::timeout, this, &ProgrammingPage::Timer1Timer);

  connect(&device_, &DeviceThread::UnitProbed, this,
          [this](const UnitStatus&, ProgrammerLine line) {
            ShowProgrammerLine(line);
            ShowRowsThatDoNotFit();
          });
  connect(&device_, &DeviceThread::ResultLineCleared, this,
          [this] { ShowStatusText(Label3, QString()); });
  connect(&device_, &DeviceThread::ProgressChanged, ProgressBar1, &QProgressBar::setValue);
  connect(&device_, &DeviceThread::ProgrammerNotFound, this,
          [this] { ShowProgrammerLine(ProgrammerLine::NotFound); });
  connect(&device_, &DeviceThread::ProgrammingEnded, this, &ProgrammingPage::ShowProgrammingResult);

  ApplyDesignSize();
  device_.RequestProbe();
  Timer1->start();
}

void ProgrammingPage::FillProgramList(const std::vector<ProgramListRow>& rows,
                                      const std::string& profileName) {
  ListView1->clear();
  programList_ = rows;
  for (const ProgramListRow& row : programList_) {
    auto* item = new QTreeWidgetItem(
        ListView1, {QString::fromStdString(row.FileName), QString::fromStdString(row.SizeText),
                    QString::number(row.ButtonNumber)});
    item->setTextAlignment(BtnColumn, Qt::AlignCenter);
  }
  profileName_ = profileName;
  ShowRowsThatDoNotFit();
}

void ProgrammingPage::ShowRowsThatDoNotFit() {
  const UnitStatus& unit = unit_.Status();
  std::vector<std::int64_t> sizes;
  for (const ProgramListRow& row : programList_) sizes.push_back(ReadSizeText(row.SizeText));
  // Without a unit nothing is known to fit or not: Program only asks for the unit then.
  const std::size_t fitting =
      unit.UnitPresent ? PackSounds(sizes, unit).FittingCount : programList_.size();
  const QColor left = palette().color(QPalette::Disabled, QPalette::Text);
  for (int row = 0; row < ListView1->topLevelItemCount(); ++row) {
    QTreeWidgetItem* item = ListView1->topLevelItem(row);
    const bool fits = static_cast<std::size_t>(row) < fitting;
    for (int column = SongColumn; column <= BtnColumn; ++column) {
      item->setData(column, Qt::ForegroundRole, fits ? QVariant() : QVariant(left));
      item->setToolTip(column,
                       fits ? QString() : QStringLiteral("Does not fit in the unit's memory"));
    }
  }
}

void ProgrammingPage::SetProgramButtonImage(int face) {
  programButtonImage_ = std::clamp(face, ProgramMode, FinishMode);
  SetButtonFace(bbProgram,
                programButtonImage_ == FinishMode ? ButtonFace::Finish : ButtonFace::Program);
}

void ProgrammingPage::Timer1Timer() {
  device_.RequestProbe();
}

void ProgrammingPage::ShowProgrammerLine(ProgrammerLine line) {
  if (line == ProgrammerLine::Ready) {
    ShowStatusText(Label8, QStringLiteral("Programmer Ready"), SuccessColour);
  } else {
    ShowStatusText(Label8, QStringLiteral("Programmer Not Found"), FailureColour);
  }
}

void ProgrammingPage::bbProgramClick() {
  // Assistive technology can press the button even while input is held.
  if (inputHold_.IsHeld()) return;
  if (programButtonImage_ == FinishMode) {
    EndApplication();
    return;
  }
  if (!unit_.Status().UnitPresent) {
    ShowStatusText(Label3, QStringLiteral("Vantora Must Be Connected"), FailureColour);
    return;
  }
  Timer1->stop();
  ShowStatusText(Label3, QString());
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  runStartMilliseconds_ = ports_.Time.NowMilliseconds();
  inputHold_.Hold();
  device_.RequestProgramming(JobForProgramList());
}

ProgrammingJob ProgrammingPage::JobForProgramList() const {
  ProgrammingJob job;
  for (const ProgramListRow& row : programList_) {
    job.Rows.push_back({row.FileName, row.Directory, ReadSizeText(row.SizeText)});
    if (row.ButtonNumber == 1) ++job.ButtonOneSoundCount;
  }
  job.Status = unit_.Status();
  // Read here, on the page's thread: nothing can change the profile file
  // while the run holds every page's input.
  job.ProfileNumber = windows_.Form3->Profiles().ReadProfileNumber(profileName_);
  return job;
}

// The end of bbProgramClick, once the run is over.
void ProgrammingPage::ShowProgrammingResult(const ProgrammingResult& result) {
  inputHold_.Release();
  if (result.Succeeded()) {
    const std::int64_t elapsed = ports_.Time.NowMilliseconds() - runStartMilliseconds_;
    std::string text = SuccessText(elapsed, result.NotWrittenCount);
    // Sounds left out make it no plain success: the buttons they leave
    // without a sound are named.
    std::vector<int> buttonOfRow;
    for (const ProgramListRow& row : programList_) buttonOfRow.push_back(row.ButtonNumber);
    const std::string emptyButtons =
        EmptyButtonsText(ButtonsLeftEmpty(buttonOfRow, programList_.size() - result.NotWrittenCount));
    if (!emptyButtons.empty()) text += "\n" + emptyButtons;
    ShowStatusText(Label3, QString::fromStdString(text),
                   result.NotWrittenCount > 0 ? PartialSuccessColour : SuccessColour);
    SetProgramButtonImage(FinishMode);
  } else {
    ShowStatusText(Label3, QString::fromStdString(result.ErrorText), FailureColour);
  }
  ProgressBar1->setValue(0);
  device_.RequestForceProbe();
  Timer1->start();
  emit ProgrammingEnded();
}

void ProgrammingPage::bbPreviousClick() {
  ShowInPlaceOf(windows_.Form3, this);
  SetProgramButtonImage(ProgramMode);
}

void ProgrammingPage::FormShow() {
  const ProfileStore& store = windows_.Form3->Profiles();
  FillProgramList(ProgramListOf(store.Profile()), store.CurrentProfileName());
  Panel1->ShowHelpPage(QStringLiteral("ProgramPage1.htm"));
}

void ProgrammingPage::FormHide() {
  Label3->setText(QString());
}

void ProgrammingPage::FormMouseUp(Qt::MouseButton button) {
  if (button == Qt::RightButton) Panel1->ShowHelpPage(QStringLiteral("ProgramPage1.htm"));
}

void ProgrammingPage::ProgressBar1MouseUp(Qt::MouseButton button) {
  if (button == Qt::RightButton) {
    Panel1->ShowHelpPage(QStringLiteral("ProgramProgressBar.htm"));
  }
}

void ProgrammingPage::ListView1MouseUp(Qt::MouseButton button) {
  if (button == Qt::RightButton) {
    Panel1->ShowHelpPage(QStringLiteral("ProgramListView.htm"));
  }
}

bool ProgrammingPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto& mouse = static_cast<const QMouseEvent&>(*event);
    if (watched == ListView1->viewport()) {
      ListView1MouseUp(mouse.button());
    } else if (watched == ProgressBar1) {
      ProgressBar1MouseUp(mouse.button());
    }
  }
  return Page::eventFilter(watched, event);
}

void ProgrammingPage::closeEvent(QCloseEvent* event) {
  event->accept();
  FormClose();
}

void ProgrammingPage::FormClose() {
  device_.Stop();
  EndApplication();
}
