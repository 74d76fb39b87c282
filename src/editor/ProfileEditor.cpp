#include "editor/ProfileEditor.h"

#include <QDragEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "editor/EditorHelpMenu.h"
#include "editor/MusicFolder.h"
#include "editor/ProfileSelector.h"
#include "profiles/VisibleText.h"
#include "programmingrun/SentProfile.h"
#include "widgets/ButtonFaces.h"
#include "widgets/HelpPane.h"
#include "widgets/MenuEntry.h"
#include "widgets/SharedHelpEntries.h"

ProfileEditor::ProfileEditor(AppPorts& ports, const UnitStatusHolder& unit,
                             const LastUnitSeen& lastUnit, SoundDecodeChecks& soundChecks,
                             SentProfile& sent)
    : Page(ports, "Form3", tr("Create Song Profile")),
      signals_(document_, this),
      sent_(sent),
      player_(ports.Audio),
      rowLook_{fit_, soundChecks, lengths_, player_.Playing()},
      helpPane_(new HelpPane(this, ports.ProgramFolder)),
      info_(new InfoLine(signals_, this)),
      choice_(ports, document_, *info_, this),
      lists_(new SoundLists(signals_, rowLook_, this)),
      capacity_(signals_, choice_.Store(), unit, lastUnit, sent, soundChecks, fit_, this),
      commands_(ports, choice_.Store(), *lists_, *info_, unit, soundChecks, this),
      tools_(ports, signals_, *lists_, commands_, capacity_, *info_, soundChecks, player_, this),
      next_(ports, choice_.Store(), capacity_, tools_, *info_, unit, soundChecks, this) {
  CreateMenus();
  LayOut();
  capacity_.CreatePanels(StatusBar());
  // The unit's arrival and departure wait while the lists are in the middle
  // of something: the next tick of the status timer follows it.
  capacity_.FollowUnitWhen([this] { return !Busy(); });
  connect(&capacity_, &CapacityDisplay::FitChanged, lists_, &SoundLists::ShowNewLook);
  connect(&soundChecks, &SoundDecodeChecks::VerdictsArrived, lists_, &SoundLists::ShowNewLook);
  connect(&lengths_, &SoundLengths::LengthsArrived, lists_, &SoundLists::ShowNewLook);
  connect(&signals_, &DocumentSignals::ListsChanged, this, &ProfileEditor::MeasureLengths);
  connect(&tools_, &SoundTools::MakeItFitEnded, this, [this] {
    if (!Busy()) emit NoLongerBusy();
  });
  connect(&next_, &NextChecks::Passed, this, &ProfileEditor::NextRequested);
  for (auto change : {&DocumentSignals::Marked, &DocumentSignals::Renamed,
                      &DocumentSignals::Replaced}) {
    connect(&signals_, change, this, &ProfileEditor::ShowCaption);
  }
  // The file holds the lists once they are saved or loaded: they may be
  // what the unit was sent unsaved.
  connect(&signals_, &DocumentSignals::Marked, this, [this] {
    if (!document_.Changed()) sent_.NoteStored(document_.Name(), document_.Lists());
  });

  // Sound dialogs open in the Music folder until a sound is chosen elsewhere.
  Profiles().SoundFileDialogs().OpenFirstIn(MusicFolder());
  // Files dragged from the file manager.
  setAcceptDrops(true);
  Profiles().Selection().ListProfiles();
  capacity_.RefreshCapacity();
  ShowCaption();
}

ProfileEditor::~ProfileEditor() {
  // The lists show the document: they go before it.
  delete lists_;
}

void ProfileEditor::CreateMenus() {
  QMenuBar* bar = MenuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  choice_.AddMenu(bar);
  CreateEditMenu();
  commands_.AddMenus(bar, nullptr);
  tools_.AddToButtonsMenu(commands_.ButtonsMenu());
  QMenu* helpMenu = AddMenu(bar, "Help1", tr("&Help"));
  QAction* aboutEntry =
      AddMenuEntry(helpMenu, "About1", tr("&About"), this, &ProfileEditor::AboutRequested);
  new EditorHelpMenu(helpMenu, aboutEntry, helpPane_, ports_);
  addAction(ManualKey(this, helpPane_));
}

void ProfileEditor::CreateEditMenu() {
  QMenu* edit = AddMenu(MenuBar(), "Edit1", tr("&Edit"));
  QAction* undo = edit->addAction(tr("&Undo"), this, [this] { document_.Undo(); });
  undo->setObjectName(QStringLiteral("Undo1"));
  undo->setShortcut(QKeySequence::Undo);
  QAction* redo = edit->addAction(tr("&Redo"), this, [this] { document_.Redo(); });
  redo->setObjectName(QStringLiteral("Redo1"));
  redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
  const auto showHistory = [this, undo, redo] {
    undo->setEnabled(document_.CanUndo());
    redo->setEnabled(document_.CanRedo());
  };
  connect(&signals_, &DocumentSignals::ListsChanged, this, showHistory);
  showHistory();
  tools_.AddToEditMenu(edit);
}

// The selector, the tabs, the capacity bar and the Info line on the left,
// PREV and NEXT below them, the help pane at the right.
void ProfileEditor::LayOut() {
  QPushButton* previousButton = MakePictureButton(this, "bbPrevious", ButtonFace::Previous);
  connect(previousButton, &QPushButton::clicked, this, &ProfileEditor::OnPreviousClicked);
  QPushButton* nextButton = MakePictureButton(this, "bbNext", ButtonFace::Next);
  connect(nextButton, &QPushButton::clicked, &next_, &NextChecks::Check);

  auto* selector = new QHBoxLayout();
  selector->addWidget(choice_.Label());
  selector->addWidget(choice_.Selector(), 1);
  auto* buttons = new QHBoxLayout();
  buttons->addWidget(previousButton);
  buttons->addStretch();
  buttons->addWidget(nextButton);
  auto* left = new QVBoxLayout();
  left->setContentsMargins(4, 6, 4, 9);
  left->addLayout(selector);
  left->addWidget(lists_, 1);
  left->addWidget(capacity_.Bar());
  left->addWidget(info_);
  left->addLayout(buttons);
  auto* content = new QHBoxLayout();
  content->setContentsMargins(0, 0, 0, 0);
  content->addWidget(Split(Area(left), helpPane_, 432, QStringLiteral("Editor/Splitter")));
  SetContent(content);
}

Task<> ProfileEditor::ShowSelectedProfile() {
  co_await Profiles().LoadSelectedProfile();
  capacity_.TrimTabsToUnit();
  capacity_.RefreshCapacity();
  capacity_.UpdateStatusBar();
}

bool ProfileEditor::Busy() const {
  return ports_.Prompts.IsOpen() || tools_.Busy();
}

void ProfileEditor::OnShown() {
  helpPane_->ShowHelpPage(QStringLiteral("AddFilesIntro.htm"));
  // Profiles copied in or removed while the editor was away are listed.
  Profiles().Selection().RefreshProfileList();
  capacity_.RefreshCapacity();
  capacity_.UpdateStatusBar();
}

void ProfileEditor::OnHidden() {
  tools_.StopPlaying();
}

void ProfileEditor::OnFreeAreaReleased(Qt::MouseButton button) {
  if (button == Qt::RightButton) helpPane_->ShowHelpPage(QStringLiteral("AddFilesIntro.htm"));
}

Task<> ProfileEditor::OnPreviousClicked() {
  // Cancel, or edits that could not be saved, keep the editor, with the
  // error shown. Not saved, the edits are replaced when the editor is shown
  // from the start page again.
  const bool mayLeave = co_await Profiles().MayLeaveLists();
  if (mayLeave) emit PreviousRequested();
}

Task<bool> ProfileEditor::MayClose() {
  co_return co_await Profiles().FormCloseQuery();
}

void ProfileEditor::ShowCaption() {
  const std::string& name = document_.Name();
  // "[*]" is where Qt shows the changed mark.
  setWindowTitle(
      (name.empty()
           ? tr("Create Song Profile")
           : tr("Create Song Profile - %1").arg(QString::fromStdString(VisibleText(name)))) +
      QStringLiteral("[*]"));
  setWindowModified(document_.Changed());
}

void ProfileEditor::MeasureLengths() {
  std::vector<ListedSoundFile> files;
  for (const ButtonSlot& button : document_.Lists().Buttons) {
    if (!button.Present) continue;
    for (const SoundEntry& sound : button.Sounds) {
      files.push_back({sound.FullPath(), sound.SizeText});
    }
  }
  lengths_.MeasureInBackground(files);
}

void ProfileEditor::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void ProfileEditor::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void ProfileEditor::dropEvent(QDropEvent* event) {
  if (!event->mimeData()->hasUrls()) return;
  event->acceptProposedAction();
  commands_.AddDroppedFiles(*event, this);
}
