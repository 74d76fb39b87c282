#include "editor/ProfileEditor.h"
#include "editor/MusicFolder.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/ButtonFaces.h"
#include "app/HelpPane.h"
#include "app/MenuEntry.h"
#include "app/SizeColumn.h"
#include "app/StatusText.h"
#include "editor/ButtonTabStyle.h"
#include "editor/EditorHelpMenu.h"
#include "editor/LastUnitSeen.h"
#include "editor/ProfileSelector.h"
#include "profiles/VisibleText.h"

namespace {

const QString LastProfileSetting = QStringLiteral("Editor/LastProfile");
const QString SoundFolderSetting = QStringLiteral("Editor/SoundFolder");

QFont ArialFont(int pixelSize, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

}  // namespace

ProfileEditor::ProfileEditor(AppPorts& ports, const UnitStatusHolder& unit)
    : Page(ports, "Form3", QStringLiteral("Create Song Profile"), QSize(792, 592)),
      unit_(unit),
      lastUnit_(RecallLastUnit(ports.Settings)),
      store_(ports.ProfilesFolder, ports.Prompts, *this),
      player_(ports.Audio),
      history_(new EditHistory(
          store_.Profile(), [this] { ShowListsOfHistory(); }, this)),
      makeItFit_(new MakeItFit(store_.Profile(), ports.Prompts, this)) {
  KeepSoundFolder();
  menuBar()->setObjectName(QStringLiteral("MainMenu1"));
  QMenu* helpMenu = AddMenu(menuBar(), "Help1", QStringLiteral("&Help"));
  QAction* aboutEntry = AddMenuEntry(helpMenu, "About1", QStringLiteral("&About"), this,
                                     &ProfileEditor::AboutRequested);
  CreateProfilesMenu();
  CreateSoundHearing();
  CreateSoundMenus(helpMenu->menuAction());
  CreateEditMenu();
  connect(makeItFit_, &MakeItFit::Told, this,
          [this](const QString& text, InfoColour colour) { ShowInfo(text.toStdString(), colour); });
  connect(makeItFit_, &MakeItFit::SoundsReplaced, this, &ProfileEditor::ReplaceFittedSounds);

  helpPane_ = new HelpPane(client_, ports.ProgramFolder);
  SplitClientArea(QRect(0, 0, 793, 545), 432, helpPane_, QStringLiteral("Editor/Splitter"));
  CreateSelector();
  CreateButtonTabs();
  CreateKeyboardMoves();
  CreateCapacityDisplay();
  infoLine_ = new QLabel(client_);
  infoLine_->setObjectName(QStringLiteral("Info"));
  MakeBoldStatusLabel(infoLine_, 16);
  Place(infoLine_, QRect(8, 456, 424, 20), AnchorLeft | AnchorRight | AnchorBottom);

  QPushButton* previousButton = MakePictureButton(client_, "bbPrevious", ButtonFace::Previous);
  Place(previousButton, QRect(24, 495, 150, 50), AnchorLeft | AnchorBottom);
  connect(previousButton, &QPushButton::clicked, this, &ProfileEditor::OnPreviousClicked);
  QPushButton* nextButton = MakePictureButton(client_, "bbNext", ButtonFace::Next);
  Place(nextButton, QRect(264, 495, 150, 50), AnchorRight | AnchorBottom);
  connect(nextButton, &QPushButton::clicked, this, &ProfileEditor::OnNextClicked);

  new EditorHelpMenu(helpMenu, aboutEntry, helpPane_, ports);

  // The unit's arrival and departure are followed, and shown in the status
  // bar, as the probes store them; the timer rewrites the status bar too.
  connect(&unit_, &UnitStatusHolder::Stored, this, &ProfileEditor::OnStatusTimer);
  statusTimer_ = new QTimer(this);
  statusTimer_->setObjectName(QStringLiteral("Timer1"));
  statusTimer_->setInterval(StatusIntervalMs);
  connect(statusTimer_, &QTimer::timeout, this, &ProfileEditor::OnStatusTimer);
  statusTimer_->start();

  // Files dragged from the file manager.
  setAcceptDrops(true);
  store_.ListProfiles();
  // The profile open when the program last ended, if it is still there.
  store_.SelectListedProfile(ports.Settings.value(LastProfileSetting).toString().toStdString());
  ApplyStartSize();
}

void ProfileEditor::KeepSoundFolder() {
  const QString kept = ports_.Settings.value(SoundFolderSetting).toString();
  const bool usable = !kept.isEmpty() && QFileInfo(kept).isDir();
  store_.SoundFileDialogs().OpenFirstIn(usable ? kept.toStdString() : MusicFolder());
  store_.SoundFileDialogs().FollowFolder([this](const std::string& folder) {
    ports_.Settings.setValue(SoundFolderSetting, QString::fromStdString(folder));
  });
}

void ProfileEditor::RememberOpenProfile() {
  // Asked after every edit: the settings file is written only when the
  // open profile is another one.
  const QString name = QString::fromStdString(store_.Profile().Name);
  if (!name.isEmpty() && ports_.Settings.value(LastProfileSetting).toString() != name) {
    ports_.Settings.setValue(LastProfileSetting, name);
  }
}

ProfileEditor::~ProfileEditor() {
  // The window closes only after the open profile is gone: its lists must
  // not read the profile then.
  for (QTreeView* list : soundListViews_) list->setModel(nullptr);
  // The history goes with the window's children, after the editor's own
  // parts: clearing itself then, it must not tell the editor of it.
  history_->disconnect(this);
}

void ProfileEditor::CreateProfilesMenu() {
  QMenu* profiles = AddMenu(menuBar(), "Profiles1", QStringLiteral("&Profiles"),
                            menuBar()->actions().front());
  const auto add = [this, profiles](const char* name, const QString& caption, auto command) {
    QAction* entry = new QAction(caption, profiles);
    entry->setObjectName(QString::fromLatin1(name));
    connect(entry, &QAction::triggered, this, [this, command] { (store_.*command)(); });
    profiles->addAction(entry);
    return entry;
  };
  add("New1", QStringLiteral("&New"), &ProfileStore::New)->setShortcut(QKeySequence::New);
  add("Open1", QStringLiteral("&Open"), &ProfileStore::Open)->setShortcut(QKeySequence::Open);
  add("Save1", QStringLiteral("&Save"), &ProfileStore::Save)->setShortcut(QKeySequence::Save);
  add("SaveAs1", QStringLiteral("Save &As..."), &ProfileStore::SaveAs)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  add("RetrieveBackup1", QStringLiteral("Retrieve &Backup"), &ProfileStore::RetrieveBackup);
  add("Delete1", QStringLiteral("&Delete"), &ProfileStore::Delete);
}

void ProfileEditor::CreateEditMenu() {
  QMenu* edit = AddMenu(menuBar(), "Edit1", QStringLiteral("&Edit"), menuBar()->actions().at(1));
  QUndoStack& steps = history_->Steps();
  QAction* undo = AddMenuEntry(edit, "Undo1", QStringLiteral("&Undo"), &steps, &QUndoStack::undo);
  undo->setShortcut(QKeySequence::Undo);
  undo->setEnabled(false);
  connect(&steps, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
  QAction* redo = AddMenuEntry(edit, "Redo1", QStringLiteral("&Redo"), &steps, &QUndoStack::redo);
  redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
  redo->setEnabled(false);
  connect(&steps, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
  CreateSoundEditing(edit);
  connect(history_, &EditHistory::EditedChanged, this, [this](bool edited) {
    store_.State().Changed = edited;
    ShowCaption();
  });
}

void ProfileEditor::CreateSoundMenus(QAction* help) {
  AddMenuEntry(menuBar(), "AddSongs1", QStringLiteral("&Add Sounds"), this,
               &ProfileEditor::AddSounds, help);

  QMenu* removeSounds = AddMenu(menuBar(), "RemoveSounds1", QStringLiteral("&Remove Sounds"), help);
  AddMenuEntry(removeSounds, "All1", QStringLiteral("&All"), this,
               &ProfileEditor::RemoveAllSounds);
  AddMenuEntry(removeSounds, "Selected1", QStringLiteral("&Selected"), this,
               &ProfileEditor::RemoveCheckedSounds);
  // Delete removes sounds of the list that has the focus (each list takes
  // the action).
  deleteSounds_ = new QAction(this);
  deleteSounds_->setShortcut(QKeySequence(Qt::Key_Delete));
  deleteSounds_->setShortcutContext(Qt::WidgetShortcut);
  connect(deleteSounds_, &QAction::triggered, this, &ProfileEditor::RemoveSoundsOfShownList);

  QMenu* buttons = AddMenu(menuBar(), "Buttons1", QStringLiteral("&Buttons"), help);
  AddMenuEntry(buttons, "AddButton1", QStringLiteral("&Add Button"), this,
               &ProfileEditor::AddButton);
  AddMenuEntry(buttons, "RemoveButton1", QStringLiteral("&Remove Button"), this,
               &ProfileEditor::RemoveButton);
  AddMenuEntry(buttons, "MakeItFit1", QStringLiteral("&Make It Fit\u2026"), this,
               &ProfileEditor::MakeProfileFit);

  listMenu_ = new QMenu(this);
  listMenu_->setObjectName(QStringLiteral("PopupMenu1"));
  AddMenuEntry(listMenu_, "AddSongs2", QStringLiteral("&Add Songs"), this,
               &ProfileEditor::AddSounds);
  AddMenuEntry(listMenu_, "RemoveSongs2", QStringLiteral("&Remove Songs"), this,
               &ProfileEditor::RemoveCheckedSounds);
  // Shown on the rows left out of the unit only.
  makeFitOfRow_ = AddMenuEntry(listMenu_, "MakeItFit2", QStringLiteral("&Make It Fit\u2026"), this,
                               &ProfileEditor::MakeProfileFit);
}

void ProfileEditor::CreateCapacityDisplay() {
  capacityBar_ = new QProgressBar(client_);
  capacityBar_->setObjectName(QStringLiteral("ProgressBar1"));
  capacityBar_->setRange(0, 100);
  capacityBar_->setValue(0);
  capacityBar_->setTextVisible(false);
  Place(capacityBar_, QRect(8, 407, 420, 33), AnchorLeft | AnchorRight | AnchorBottom);

  statusPanels_ = statusBar();
  statusPanels_->setObjectName(QStringLiteral("StatusBar1"));
  statusPanels_->setSizeGripEnabled(false);
  statusPanels_->setFixedHeight(20);
  const std::array<int, 5> widths{100, 125, 135, 135, 150};
  const std::array<QString, 5> texts{QStringLiteral("Disconnected"), QStringLiteral("Size : 0"),
                                     QStringLiteral("Used : 0"), QStringLiteral("Remaining : 0"),
                                     QStringLiteral("Profile On Vantora : None")};
  // A panel widens for a text longer than its width; the last one takes the
  // rest of the bar up to the window's right edge, however long its text.
  for (std::size_t panel = 0; panel < statusTexts_.size(); ++panel) {
    QLabel* label = new QLabel(texts[panel], statusPanels_);
    label->setObjectName(QStringLiteral("StatusPanel%1").arg(panel));
    label->setMinimumWidth(widths[panel]);
    const bool last = panel + 1 == statusTexts_.size();
    if (last) label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusPanels_->addWidget(label, last ? 1 : 0);
    statusTexts_[panel] = label;
  }
}

void ProfileEditor::CreateSelector() {
  auto* label = new QLabel(QStringLiteral("Select Profile :"), client_);
  label->setObjectName(QStringLiteral("Label1"));
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setFont(ArialFont(13, false));
  Place(label, QRect(96, 8, 97, 16), AnchorLeft | AnchorTop);

  profileSelector_ = new ProfileSelector(client_);
  profileSelector_->setObjectName(QStringLiteral("ComboBox1"));
  profileSelector_->setEditable(false);
  Place(profileSelector_, QRect(200, 8, 225, 24), AnchorLeft | AnchorTop | AnchorRight);
  // Every change by the user, by mouse, keyboard or wheel; the store's own
  // changes are shown with the signal blocked.
  connect(profileSelector_, &QComboBox::currentIndexChanged, this,
          &ProfileEditor::OnProfileChosen);
  connect(profileSelector_, &ProfileSelector::Opening, this,
          [this] { store_.RefreshProfileList(); });
}

void ProfileEditor::CreateButtonTabs() {
  buttonTabs_ = new QTabWidget(client_);
  buttonTabs_->setObjectName(QStringLiteral("PageControl1"));
  buttonTabs_->tabBar()->setFont(ArialFont(13, true));
  auto* tabStyle = new ButtonTabStyle();
  tabStyle->setParent(buttonTabs_->tabBar());
  buttonTabs_->tabBar()->setStyle(tabStyle);
  Place(buttonTabs_, QRect(4, 40, 425, 349), AnchorAll);
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    const QString number = QString::number(slot + 1);
    QWidget* tab = new QWidget();
    tab->setObjectName(QStringLiteral("TabSheet") + number);
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(CreateSoundList(slot));
    buttonTabs_->addTab(tab, QStringLiteral("Btn") + number);
  }
  ShowButtons();
  // A verdict that arrives recolours the rows.
  connect(&soundChecks_, &SoundDecodeChecks::VerdictsArrived, this, [this] {
    for (SoundListModel* list : soundLists_) list->ShowNewLook();
  });
}

QTreeView* ProfileEditor::CreateSoundList(int slot) {
  auto* list = new QTreeView();
  list->setObjectName(QStringLiteral("ListView%1").arg(slot + 1));
  list->setFont(ArialFont(13, false));
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setAllColumnsShowFocus(true);
  list->setToolTip(QStringLiteral("Listing of the songs to be downloaded"));
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Rows move within their own list only; files from the file manager go
  // past the list to the window.
  list->setDragDropMode(QAbstractItemView::InternalMove);
  list->setDefaultDropAction(Qt::MoveAction);
  list->setDropIndicatorShown(true);
  list->addAction(deleteSounds_);
  list->addAction(playSound_);
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list, &QWidget::customContextMenuRequested, this,
          [this, list](QPoint position) { ShowListMenu(list, position); });
  connect(list, &QAbstractItemView::doubleClicked, this, [this, list] { PlaySound(list); });
  soundLists_[slot] = new SoundListModel(store_.Profile(), slot, rowLook_, list);
  connect(soundLists_[slot], &SoundListModel::SoundsMoving, history_, &EditHistory::Begin);
  connect(soundLists_[slot], &SoundListModel::SoundsDropped, this, [this] {
    history_->End(QStringLiteral("Move Sounds"));
    MarkEdited();
    RefreshCapacity();
  });
  StopPlayingOnRowChanges(slot);
  list->setModel(soundLists_[slot]);
  FitSizeColumn(list->header(), SoundListModel::SoundColumn, SoundListModel::SizeColumn);
  soundListViews_[slot] = list;
  return list;
}

void ProfileEditor::OnShown() {
  helpPane_->ShowHelpPage(QStringLiteral("AddFilesIntro.htm"));
  // Profiles copied in or removed while the editor was away are listed.
  store_.RefreshProfileList();
  store_.LoadProfile(store_.CurrentProfileName(), false);
  TrimTabsToUnit();
  RefreshCapacity();
  UpdateStatusBar();
}

void ProfileEditor::OnHidden() {
  StopPlaying();
}

void ProfileEditor::OnProfileChosen(int index) {
  store_.SelectProfile(index);
  store_.SelectionChanged();
}

void ProfileEditor::OnFreeAreaReleased(Qt::MouseButton button) {
  if (button == Qt::RightButton) helpPane_->ShowHelpPage(QStringLiteral("AddFilesIntro.htm"));
}

void ProfileEditor::OnPreviousClicked() {
  // When the edits could not be saved, the editor stays with its error shown.
  if (store_.State().Changed && !store_.AskSaveChangedProfile()) return;
  emit PreviousRequested();
}

void ProfileEditor::closeEvent(QCloseEvent* event) {
  if (!store_.FormCloseQuery()) {
    event->ignore();
    return;
  }
  event->accept();
  setAcceptDrops(false);
  EndApplication();
}

void ProfileEditor::ShowInfo(const std::string& text, InfoColour colour) {
  const QString shown = QString::fromStdString(VisibleText(text));
  switch (colour) {
    case InfoColour::Ordinary:
      ShowStatusText(infoLine_, shown, OrdinaryColour);
      break;
    case InfoColour::Failure:
      ShowStatusText(infoLine_, shown, FailureColour);
      break;
    case InfoColour::Kept:
      ShowStatusText(infoLine_, shown);
      break;
  }
}

void ProfileEditor::ShowProfileList() {
  const QSignalBlocker blocker(profileSelector_);
  profileSelector_->clear();
  QStringList names;
  for (const std::string& name : store_.ProfileList()) {
    names << QString::fromStdString(VisibleText(name));
  }
  profileSelector_->addItems(names);
  profileSelector_->setCurrentIndex(store_.SelectedIndex());
}

void ProfileEditor::ShowProfileAdded(int index) {
  const QSignalBlocker blocker(profileSelector_);
  profileSelector_->insertItem(
      index, QString::fromStdString(VisibleText(store_.ProfileList()[index])));
}

void ProfileEditor::ShowProfileRemoved(int index) {
  const QSignalBlocker blocker(profileSelector_);
  profileSelector_->removeItem(index);
}

void ProfileEditor::ShowSelectedProfile(int index) {
  const QSignalBlocker blocker(profileSelector_);
  profileSelector_->setCurrentIndex(index);
}

void ProfileEditor::ShowButtons() {
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    buttonTabs_->setTabVisible(slot, store_.Profile().Buttons[slot].Present);
  }
}

void ProfileEditor::ShowSounds(int slot) {
  soundLists_[slot]->Reload();
}

void ProfileEditor::ShowChanged(bool changed) {
  if (changed) {
    history_->MarkUnsaved();
  } else {
    history_->MarkSaved();
  }
  ShowCaption();
}

void ProfileEditor::ShowListsReplaced() {
  history_->StartAfresh();
}

void ProfileEditor::ShowListsOfHistory() {
  ShowButtons();
  for (SoundListModel* list : soundLists_) list->Reload();
  if (!buttonTabs_->isTabVisible(buttonTabs_->currentIndex())) buttonTabs_->setCurrentIndex(0);
  ShowInfo("", InfoColour::Kept);
  RefreshCapacity();
}

void ProfileEditor::ShowCaption() {
  const std::string& name = store_.Profile().Name;
  setWindowTitle(QStringLiteral("Create Song Profile") +
                 (name.empty() ? QString() : " - " + QString::fromStdString(VisibleText(name))) +
                 QStringLiteral("[*]"));
  setWindowModified(store_.State().Changed);
}
