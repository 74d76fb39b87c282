#include "programming/ProgrammingPage.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "widgets/ButtonFaces.h"
#include "widgets/HelpPane.h"
#include "widgets/LengthColumn.h"
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
constexpr int LengthColumn = 2;
constexpr int BtnColumn = 3;

// The run's fixed texts, in the user's language.
QString RunText(const char* text) { return QCoreApplication::translate("RunTexts", text); }

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
    : Page(ports, "Form1", tr("Program Vantora")),
      device_(device),
      unit_(unit),
      soundChecks_(soundChecks),
      sent_(sent),
      profiles_(ports.ProfilesFolder),
      run_(device, ports.Time) {
  helpPane_ = new HelpPane(this, ports.ProgramFolder);
  programList_ = new QTreeWidget(this);
  programList_->setObjectName(QStringLiteral("ListView1"));
  programList_->setRootIsDecorated(false);
  programList_->setHeaderLabels({tr("Song"), tr("Size"), tr("Length"), tr("Btn")});
  FitSizeColumn(programList_->header(), SongColumn, SizeColumn);
  FitLengthColumn(programList_->header(), LengthColumn);
  programList_->headerItem()->setTextAlignment(LengthColumn, Qt::AlignRight | Qt::AlignVCenter);
  connect(&lengths_, &SoundLengths::LengthsArrived, this, &ProgrammingPage::ShowLengths);
  programList_->header()->setSectionResizeMode(BtnColumn, QHeaderView::ResizeToContents);
  programList_->headerItem()->setTextAlignment(SizeColumn, Qt::AlignRight | Qt::AlignVCenter);
  programList_->headerItem()->setTextAlignment(BtnColumn, Qt::AlignCenter);
  programList_->viewport()->installEventFilter(this);

  programmerLine_ = new QLabel(this);
  programmerLine_->setObjectName(QStringLiteral("Label8"));
  MakeMessageLine(programmerLine_);
  ShowStatusText(programmerLine_, RunText(ProgrammerNotFoundText), FailureColour);

  // Every byte read back, or the first KiB of each sound: the choice stays
  // for the next run of the program.
  verifyEveryByte_ = new QCheckBox(tr("Verify every byte"), this);
  verifyEveryByte_->setObjectName(QStringLiteral("VerifyEveryByte"));
  verifyEveryByte_->setChecked(ports.Settings.value(VerifyEveryByteSetting, true).toBool());
  connect(verifyEveryByte_, &QCheckBox::toggled, this,
          [this](bool checked) { ports_.Settings.setValue(VerifyEveryByteSetting, checked); });

  progressBar_ = new QProgressBar(this);
  progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
  progressBar_->setRange(0, 100);
  progressBar_->setValue(0);
  progressBar_->setTextVisible(false);
  progressBar_->installEventFilter(this);

  resultLine_ = new QLabel(QStringLiteral(" "), this);
  resultLine_->setObjectName(QStringLiteral("Label3"));
  MakeMessageLine(resultLine_);

  previousButton_ = MakePictureButton(this, "bbPrevious", ButtonFace::Previous);
  connect(previousButton_, &QPushButton::clicked, this, &ProgrammingPage::OnPreviousClicked);
  programButton_ = MakePictureButton(this, "bbProgram", ButtonFace::Program);
  connect(programButton_, &QPushButton::clicked, this, &ProgrammingPage::OnProgramClicked);
  LayOut();

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
                   RunText(phase == RunPhase::Writing ? WritingText : VerifyingText),
                   OrdinaryColour);
  });
  connect(&device_, &DeviceThread::RunBytesMoved, this, [this](qint64 done, qint64 total) {
    progressBar_->setValue(static_cast<int>(done * 100 / total));
  });
  connect(&device_, &DeviceThread::RunLostProgrammer, this, [this] {
    ShowStatusText(programmerLine_, RunText(ProgrammerNotFoundText), FailureColour);
  });

  device_.RequestProbe();
  probeTimer_->start();
}

// The list and the lines below it on the left, PREV and PROGRAM at the
// bottom, the help pane at the right.
void ProgrammingPage::LayOut() {
  auto* programmer = new QHBoxLayout();
  programmer->addWidget(programmerLine_, 1);
  programmer->addWidget(verifyEveryByte_, 0, Qt::AlignRight | Qt::AlignTop);
  auto* buttons = new QHBoxLayout();
  buttons->addWidget(previousButton_);
  buttons->addStretch();
  buttons->addWidget(programButton_);
  auto* left = new QVBoxLayout();
  left->setContentsMargins(8, 0, 4, 9);
  left->addWidget(programList_, 1);
  left->addLayout(programmer);
  left->addWidget(progressBar_);
  left->addWidget(resultLine_);
  left->addLayout(buttons);
  auto* content = new QHBoxLayout();
  content->setContentsMargins(0, 0, 0, 0);
  content->addWidget(Split(Area(left), helpPane_, 432, QStringLiteral("Programming/Splitter")));
  SetContent(content);
}

void ProgrammingPage::FillProgramList(const std::string& profileName,
                                      const SongProfile& profile, bool saved) {
  profile_ = profile;
  profileSaved_ = saved;
  plan_ = PlanProgramming(profileName, profile_, NoProfileId, unit_.Status());
  programList_->clear();
  for (const PlannedSound& sound : plan_.Sounds) {
    auto* item = new QTreeWidgetItem(
        programList_, {QString::fromStdString(VisibleText(sound.FileName)),
                       ShownSize(sound.SizeText), QString(), QString::number(sound.Button)});
    item->setTextAlignment(SizeColumn, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(LengthColumn, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(BtnColumn, Qt::AlignCenter);
  }
  ShowRowsThatDoNotFit();
  std::vector<ListedSoundFile> files;
  for (const PlannedSound& sound : plan_.Sounds) {
    files.push_back({sound.FullPath(), sound.SizeText});
  }
  lengths_.MeasureInBackground(files);
  ShowLengths();
}

void ProgrammingPage::ShowLengths() {
  const int rows =
      std::min(programList_->topLevelItemCount(), static_cast<int>(plan_.Sounds.size()));
  for (int row = 0; row < rows; ++row) {
    const PlannedSound& sound = plan_.Sounds[static_cast<std::size_t>(row)];
    programList_->topLevelItem(row)->setText(
        LengthColumn, lengths_.ShownLength(sound.FullPath(), sound.SizeText));
  }
}

void ProgrammingPage::ShowUnit() {
  if (unit_.LastProbe().ProgrammerInUse) {
    ShowProgrammerInUse();
  } else if (unit_.Status().UnitPresent) {
    ShowStatusText(programmerLine_, RunText(ProgrammerReadyText), SuccessColour);
  } else {
    ShowStatusText(programmerLine_, RunText(ProgrammerNotFoundText), FailureColour);
  }
  ShowRowsThatDoNotFit();
}

void ProgrammingPage::ShowProgrammerInUse() {
  ShowStatusText(programmerLine_, RunText(ProgrammerInUseText), PartialSuccessColour);
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
      item->setToolTip(column, fits ? QString()
                                    : QString::fromStdString(
                                          LeftOutText(plan_, static_cast<std::size_t>(row))));
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
      text = RunText(UnitMustBeConnectedText).toStdString();
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
  if (endAfterRun_) ports_.EndApplication();
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

Task<bool> ProgrammingPage::MayClose() {
  // A run is not broken off in the middle of a command: it stops between
  // pieces, and the application ends once it has.
  if (!RunInProgress()) co_return true;
  if (endAfterRun_) co_return false;
  Question stop{tr("Programming is in progress. Stop it? The unit will hold an incomplete profile.")
                    .toStdString(),
                "", PromptButtons::YesNo, PromptIcon::Exclamation, PromptAnswer::No};
  const PromptAnswer answer = co_await Asked(ports_.Prompts, std::move(stop));
  // The run may have ended while the question was open: the window closes now.
  if (answer == PromptAnswer::Yes && !RunInProgress()) co_return true;
  if (answer == PromptAnswer::Yes) {
    endAfterRun_ = true;
    StopRun();
  }
  co_return false;
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
