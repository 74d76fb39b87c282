#include "programming/ProgrammingPage.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

#include "widgets/ButtonFaces.h"
#include "widgets/HelpPane.h"
#include "widgets/SharedHelpEntries.h"
#include "widgets/SizeColumn.h"
#include "widgets/StatusText.h"
#include "profiles/MissingSound.h"
#include "profiles/UserPrompts.h"
#include "profiles/VisibleText.h"
#include "programmingrun/RunTexts.h"

namespace {

const QString VerifyEveryByteSetting = QStringLiteral("Programming/VerifyEveryByte");

constexpr int SongColumn = 0;
constexpr int SizeColumn = 1;
constexpr int BtnColumn = 2;

QColor ToneColour(RunTone tone) {
  switch (tone) {
    case RunTone::Success:
      return SuccessColour;
    case RunTone::SoundsLeftOut:
      return PartialSuccessColour;
    case RunTone::Failure:
      break;
  }
  return FailureColour;
}

}  // namespace

ProgrammingPage::ProgrammingPage(AppPorts& ports, DeviceThread& device,
                                 const UnitStatusHolder& unit, SoundDecodeChecks& soundChecks,
                                 SentProfile& sent)
    : Page(ports, "Form1", QStringLiteral("Program Vantora"), QSize(792, 573)),
      device_(device),
      unit_(unit),
      soundChecks_(soundChecks),
      sent_(sent),
      profiles_(ports.ProfilesFolder),
      run_(device, ports.Time) {
  helpPane_ = new HelpPane(client_, ports.ProgramFolder);
  SplitClientArea(QRect(0, 0, 793, 573), 432, helpPane_, QStringLiteral("Programming/Splitter"));
  programList_ = new QTreeWidget(client_);
  programList_->setObjectName(QStringLiteral("ListView1"));
  programList_->setRootIsDecorated(false);
  programList_->setHeaderLabels(
      {QStringLiteral("Song"), QStringLiteral("Size"), QStringLiteral("Btn")});
  FitSizeColumn(programList_->header(), SongColumn, SizeColumn);
  programList_->header()->setSectionResizeMode(BtnColumn, QHeaderView::Fixed);
  programList_->setColumnWidth(BtnColumn, 30);
  programList_->headerItem()->setTextAlignment(SizeColumn, Qt::AlignRight | Qt::AlignVCenter);
  programList_->headerItem()->setTextAlignment(BtnColumn, Qt::AlignCenter);
  programList_->viewport()->installEventFilter(this);
  Place(programList_, QRect(8, 0, 420, 375), AnchorAll);

  programmerLine_ = new QLabel(client_);
  programmerLine_->setObjectName(QStringLiteral("Label8"));
  MakeBoldStatusLabel(programmerLine_, 16);
  ShowStatusText(programmerLine_, QString::fromLatin1(ProgrammerNotFoundText), FailureColour);
  // The lines below the list keep to the bottom edge and to the list's width.
  Place(programmerLine_, QRect(8, 384, 250, 20), AnchorLeft | AnchorBottom);

  // Every byte read back, or the first KiB of each sound: the choice stays
  // for the next run of the program.
  verifyEveryByte_ = new QCheckBox(QStringLiteral("Verify every byte"), client_);
  verifyEveryByte_->setObjectName(QStringLiteral("VerifyEveryByte"));
  verifyEveryByte_->setChecked(ports.Settings.value(VerifyEveryByteSetting, true).toBool());
  connect(verifyEveryByte_, &QCheckBox::toggled, this,
          [this](bool checked) { ports_.Settings.setValue(VerifyEveryByteSetting, checked); });
  Place(verifyEveryByte_, QRect(262, 384, 166, 20), AnchorRight | AnchorBottom);

  progressBar_ = new QProgressBar(client_);
  progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
  progressBar_->setRange(0, 100);
  progressBar_->setValue(0);
  progressBar_->setTextVisible(false);
  progressBar_->installEventFilter(this);
  Place(progressBar_, QRect(8, 408, 420, 33), AnchorLeft | AnchorRight | AnchorBottom);

  resultLine_ = new QLabel(QStringLiteral(" "), client_);
  resultLine_->setObjectName(QStringLiteral("Label3"));
  MakeBoldStatusLabel(resultLine_, 16);
  // A success with sounds left out takes more lines.
  resultLine_->setWordWrap(true);
  resultLine_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Place(resultLine_, QRect(8, 445, 420, 58), AnchorLeft | AnchorRight | AnchorBottom);

  previousButton_ = MakePictureButton(client_, "bbPrevious", ButtonFace::Previous);
  Place(previousButton_, QRect(16, 504, 150, 50), AnchorLeft | AnchorBottom);
  connect(previousButton_, &QPushButton::clicked, this, &ProgrammingPage::OnPreviousClicked);

  programButton_ = MakePictureButton(client_, "bbProgram", ButtonFace::Program);
  Place(programButton_, QRect(264, 504, 150, 50), AnchorRight | AnchorBottom);
  connect(programButton_, &QPushButton::clicked, this, &ProgrammingPage::OnProgramClicked);

  // F1 shows the manual here too, though the page has no menu.
  manualEntry_ = ManualKey(this, helpPane_);
  addAction(manualEntry_);

  probeTimer_ = new QTimer(this);
  probeTimer_->setObjectName(QStringLiteral("Timer1"));
  probeTimer_->setInterval(ProbeIntervalMs);
  connect(probeTimer_, &QTimer::timeout, this, &ProgrammingPage::OnProbeTimer);

  connect(&unit_, &UnitStatusHolder::Stored, this, &ProgrammingPage::ShowUnit);
  // The run's reports: the result line says what it does, the bar follows
  // every byte it writes and reads back.
  connect(&device_, &DeviceThread::RunPhaseBegun, this, [this](RunPhase phase) {
    ShowStatusText(resultLine_,
                   QString::fromUtf8(phase == RunPhase::Writing ? WritingText : VerifyingText),
                   OrdinaryColour);
  });
  connect(&device_, &DeviceThread::RunBytesMoved, this, [this](qint64 done, qint64 total) {
    progressBar_->setValue(static_cast<int>(done * 100 / total));
  });
  connect(&device_, &DeviceThread::RunLostProgrammer, this, [this] {
    ShowStatusText(programmerLine_, QString::fromLatin1(ProgrammerNotFoundText), FailureColour);
  });

  ApplyStartSize();
  device_.RequestProbe();
  probeTimer_->start();
}

void ProgrammingPage::FillProgramList(const std::string& profileName,
                                      const SongProfile& profile, bool saved) {
  profile_ = profile;
  profileSaved_ = saved;
  plan_ = PlanProgramming(profileName, profile_, NoProfileId, unit_.Status());
  programList_->clear();
  for (const PlannedSound& sound : plan_.Sounds) {
    auto* item = new QTreeWidgetItem(programList_,
                                     {QString::fromStdString(VisibleText(sound.FileName)),
                                      ShownSize(sound.SizeText), QString::number(sound.Button)});
    item->setTextAlignment(SizeColumn, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(BtnColumn, Qt::AlignCenter);
  }
  ShowRowsThatDoNotFit();
}

void ProgrammingPage::ShowUnit() {
  if (unit_.LastProbe().ProgrammerInUse) {
    ShowProgrammerInUse();
  } else if (unit_.Status().UnitPresent) {
    ShowStatusText(programmerLine_, QString::fromLatin1(ProgrammerReadyText), SuccessColour);
  } else {
    ShowStatusText(programmerLine_, QString::fromLatin1(ProgrammerNotFoundText), FailureColour);
  }
  ShowRowsThatDoNotFit();
}

void ProgrammingPage::ShowProgrammerInUse() {
  ShowStatusText(programmerLine_, QString::fromLatin1(ProgrammerInUseText), PartialSuccessColour);
}

void ProgrammingPage::ShowRowsThatDoNotFit() {
  const UnitStatus& unit = unit_.Status();
  plan_ = PlanProgramming(plan_.ProfileName, profile_, NoProfileId, unit);
  // Without a unit nothing is known to fit or not: Program only asks for the unit then.
  const std::size_t fitting = unit.UnitPresent ? plan_.FittingCount() : plan_.Sounds.size();
  const QColor left = palette().color(QPalette::Disabled, QPalette::Text);
  for (int row = 0; row < programList_->topLevelItemCount(); ++row) {
    QTreeWidgetItem* item = programList_->topLevelItem(row);
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
  SetButtonFace(programButton_,
                programButtonImage_ == FinishMode ? ButtonFace::Finish : ButtonFace::Program);
}

void ProgrammingPage::OnProbeTimer() {
  device_.RequestProbe();
}

void ProgrammingPage::OnProgramClicked() {
  // During a run the button reads STOP.
  if (RunInProgress()) {
    StopRun();
    return;
  }
  if (programButtonImage_ == FinishMode) {
    emit FinishRequested();
    return;
  }
  // The number is read now: the editor, which alone changes profile files,
  // is not on screen while the run lasts.
  ProgrammingPlan plan = PlanProgramming(plan_.ProfileName, profile_,
                                         profiles_.ReadProfileNumber(plan_.ProfileName),
                                         unit_.Status());
  const RunPreflight preflight = CheckBeforeRun(plan, unit_.LastProbe(), soundChecks_);
  if (!preflight.Clear()) {
    ShowRefusal(preflight, plan);
    return;
  }
  probeTimer_->stop();
  ShowStatusText(resultLine_, QString());
  progressBar_->setRange(0, 100);
  progressBar_->setValue(0);
  SetButtonFace(programButton_, ButtonFace::Stop);
  runInProgress_ = true;
  HoldControlsForRun(true);
  plan.Verify = verifyEveryByte_->isChecked() ? Verification::Full : Verification::Quick;
  run_.Start(plan).then(this, [this, number = plan.ProfileNumber](const RunReport& report) {
    NoteWhatWasSent(report, number);
    ShowRunReport(report);
  });
}

void ProgrammingPage::ShowRefusal(const RunPreflight& preflight, const ProgrammingPlan& plan) {
  // Without a unit, the page asks for it first, whatever else is amiss.
  RunObstacle first = preflight.Obstacles.front();
  for (const RunObstacle unit :
       {RunObstacle::ProgrammerInUse, RunObstacle::NoProgrammer, RunObstacle::NoUnit}) {
    if (preflight.Has(unit)) {
      first = unit;
      break;
    }
  }
  std::string text;
  switch (first) {
    case RunObstacle::MissingFiles:
      text = MissingFileText(plan.Sounds[preflight.MissingRows.front()].FullPath());
      break;
    case RunObstacle::NotSounds: {
      std::vector<std::string> names;
      for (const std::size_t row : preflight.NotSoundRows) names.push_back(plan.Sounds[row].FileName);
      text = NotSoundsText(names);
      break;
    }
    case RunObstacle::NoProgrammer:
    case RunObstacle::NoUnit:
      text = UnitMustBeConnectedText;
      break;
    default:
      text = ObstacleText(first);
      break;
  }
  ShowStatusText(resultLine_, QString::fromStdString(text), FailureColour);
}

void ProgrammingPage::NoteWhatWasSent(const RunReport& report, int profileNumber) {
  // A run refused before its first byte left the unit as it was.
  const ProgrammingCode code = report.Result.Code;
  if (code == ProgrammingCode::ProgrammerInUse || code == ProgrammingCode::NoSongsToProgram ||
      code == ProgrammingCode::SongTooLarge) {
    return;
  }
  sent_.NoteRun(plan_.ProfileName, profileNumber, profile_, profileSaved_);
}

void ProgrammingPage::StopRun() {
  if (RunInProgress()) run_.Stop();
}

// The end of OnProgramClicked, once the run is over.
void ProgrammingPage::ShowRunReport(const RunReport& report) {
  runInProgress_ = false;
  HoldControlsForRun(false);
  ShowStatusText(resultLine_, QString::fromStdString(report.Text), ToneColour(report.Tone));
  SetProgramButtonImage(report.Result.Succeeded() ? FinishMode : ProgramMode);
  progressBar_->setValue(0);
  device_.RequestForceProbe();
  probeTimer_->start();
  emit ProgrammingEnded();
  if (endAfterRun_) {
    device_.Stop();
    EndApplication();
  }
}

void ProgrammingPage::OnPreviousClicked() {
  emit PreviousRequested();
  SetProgramButtonImage(ProgramMode);
}

void ProgrammingPage::OnShown() {
  helpPane_->ShowHelpPage(QStringLiteral("ProgramPage1.htm"));
}

void ProgrammingPage::OnHidden() {
  resultLine_->setText(QString());
}

void ProgrammingPage::OnFreeAreaReleased(Qt::MouseButton button) {
  if (button == Qt::RightButton) helpPane_->ShowHelpPage(QStringLiteral("ProgramPage1.htm"));
}

bool ProgrammingPage::eventFilter(QObject* watched, QEvent* event) {
  // A right click on the list or the bar shows the help page about it.
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<const QMouseEvent*>(event)->button() == Qt::RightButton) {
    if (watched == programList_->viewport()) {
      helpPane_->ShowHelpPage(QStringLiteral("ProgramListView.htm"));
    } else if (watched == progressBar_) {
      helpPane_->ShowHelpPage(QStringLiteral("ProgramProgressBar.htm"));
    }
  }
  return Page::eventFilter(watched, event);
}

void ProgrammingPage::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && RunInProgress()) {
    StopRun();
    return;
  }
  Page::keyPressEvent(event);
}

void ProgrammingPage::closeEvent(QCloseEvent* event) {
  // A run is not broken off in the middle of a command: it stops between
  // pieces, and the application ends once it has.
  if (RunInProgress()) {
    const bool stop = !endAfterRun_ && AskToStopRun();
    endAfterRun_ = endAfterRun_ || stop;
    if (RunInProgress() || !stop) {
      event->ignore();
      if (stop) StopRun();
      return;
    }
    // The run ended while the question was open: the window closes now.
  }
  event->accept();
  device_.Stop();
  EndApplication();
}

bool ProgrammingPage::AskToStopRun() {
  return ports_.Prompts.Ask({"Programming is in progress. Stop it? The unit will hold an "
                             "incomplete profile.",
                             "", PromptButtons::YesNo, PromptIcon::Exclamation,
                             PromptAnswer::No}) == PromptAnswer::Yes;
}

void ProgrammingPage::HoldControlsForRun(bool held) {
  for (QWidget* control :
       std::initializer_list<QWidget*>{programList_, verifyEveryByte_, previousButton_, helpPane_}) {
    control->setEnabled(!held);
  }
  manualEntry_->setEnabled(!held);
  // Space and Enter press STOP from the start of the run.
  if (held) programButton_->setFocus(Qt::OtherFocusReason);
}
