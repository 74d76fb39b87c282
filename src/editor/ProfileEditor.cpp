#include "editor/ProfileEditor.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/AboutBox.h"
#include "app/ButtonFaces.h"
#include "app/HelpPane.h"
#include "app/MenuEntry.h"
#include "app/StartPage.h"
#include "app/StatusText.h"
#include "editor/EditorHelpMenu.h"
#include "editor/ProfileSelector.h"
#include "editor/SoundListModel.h"
#include "profiles/VisibleText.h"

namespace {

QFont ArialFont(int pixelSize, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

// Where the sound file dialogs open at first: the user's Music folder where
// it exists, else the home folder.
std::string FirstSoundFolder() {
  const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
  const QString folder = !music.isEmpty() && QFileInfo(music).isDir() ? music : QDir::homePath();
  return (folder + QLatin1Char('/')).toStdString();
}

}  // namespace

ProfileEditor::ProfileEditor(AppPorts& ports, Windows& windows, const UnitStatusHolder& unit)
    : Page(ports, "Form3", QStringLiteral("Create Song Profile"), QSize(792, 592)),
      windows_(windows),
      unit_(unit),
      store_(ports.ProfilesFolder, ports.Prompts, *this) {
  store_.SoundFileDialogs().OpenFirstIn(FirstSoundFolder());
  menuBar()->setObjectName(QStringLiteral("MainMenu1"));
  Help1 = AddMenu(menuBar(), "Help1", QStringLiteral("&Help"));
  About1 =
      AddMenuEntry(Help1, "About1", QStringLiteral("&About"), this, &ProfileEditor::About1Click);
  CreateProfilesMenu();
  CreateSoundMenus();

  CreateSelector();
  CreateButtonTabs();
  CreateCapacityDisplay();
  Info = new QLabel(client_);
  Info->setObjectName(QStringLiteral("Info"));
  MakeBoldStatusLabel(Info, 16);
  // Clear of the help pane, which begins at 432 and grows with the window.
  Place(Info, QRect(8, 456, 424, 20), AnchorLeft | AnchorBottom);

  bbPrevious = MakePictureButton(client_, "bbPrevious", ButtonFace::Previous);
  Place(bbPrevious, QRect(24, 495, 150, 50), AnchorLeft | AnchorBottom);
  connect(bbPrevious, &QPushButton::clicked, this, &ProfileEditor::bbPreviousClick);
  bbNext = MakePictureButton(client_, "bbNext", ButtonFace::Next);
  Place(bbNext, QRect(264, 495, 150, 50), AnchorLeft | AnchorBottom);
  connect(bbNext, &QPushButton::clicked, this, &ProfileEditor::bbNextClick);

  // The pane stops 534 pixels down, clear of the status bar.
  Panel1 = new HelpPane(client_, ports.ProgramFolder);
  Place(Panel1, QRect(432, 0, 361, 534), AnchorAll);
  new EditorHelpMenu(Help1, About1, Panel1, ports);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(PollIntervalMs);
  connect(Timer1, &QTimer::timeout, this, &ProfileEditor::Timer1Timer);
  Timer1->start();

  // Files dragged from the file manager (FormDropFiles).
  setAcceptDrops(true);
  store_.ListProfiles();
  ApplyDesignSize();
}

ProfileEditor::~ProfileEditor() {
  // The window closes only after the open profile is gone: its lists must
  // not read the profile then.
  for (QTreeView* list : ListViews) list->setModel(nullptr);
}

void ProfileEditor::CreateProfilesMenu() {
  Profiles1 = AddMenu(menuBar(), "Profiles1", QStringLiteral("&Profiles"), Help1->menuAction());
  AddMenuEntry(Profiles1, "New1", QStringLiteral("&New"), this, &ProfileEditor::New1Click)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  AddMenuEntry(Profiles1, "Open1", QStringLiteral("&Open"), this, &ProfileEditor::Open1Click)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  AddMenuEntry(Profiles1, "Save1", QStringLiteral("&Save"), this, &ProfileEditor::Save1Click)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  AddMenuEntry(Profiles1, "SaveAs1", QStringLiteral("Save &As..."), this,
               &ProfileEditor::SaveAs1Click)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  AddMenuEntry(Profiles1, "RetrieveBackup1", QStringLiteral("Retrieve &Backup"), this,
               &ProfileEditor::RetrieveBackup1Click);
  AddMenuEntry(Profiles1, "Delete1", QStringLiteral("&Delete"), this, &ProfileEditor::Delete1Click);
}

void ProfileEditor::CreateSoundMenus() {
  QAction* help = Help1->menuAction();
  AddSongs1 = AddMenuEntry(menuBar(), "AddSongs1", QStringLiteral("&Add Sounds"), this,
                           &ProfileEditor::AddSongs1Click, help);

  RemoveSounds1 = AddMenu(menuBar(), "RemoveSounds1", QStringLiteral("&Remove Sounds"), help);
  AddMenuEntry(RemoveSounds1, "All1", QStringLiteral("&All"), this, &ProfileEditor::All1Click);
  Selected1 = AddMenuEntry(RemoveSounds1, "Selected1", QStringLiteral("&Selected"), this,
                           &ProfileEditor::Selected1Click);
  // Delete removes sounds of the list that has the focus (the lists take the
  // action in CreateButtonTabs).
  deleteSounds_ = new QAction(this);
  deleteSounds_->setShortcut(QKeySequence(Qt::Key_Delete));
  deleteSounds_->setShortcutContext(Qt::WidgetShortcut);
  connect(deleteSounds_, &QAction::triggered, this, &ProfileEditor::RemoveSoundsOfShownList);

  Buttons1 = AddMenu(menuBar(), "Buttons1", QStringLiteral("&Buttons"), help);
  AddMenuEntry(Buttons1, "AddButton1", QStringLiteral("&Add Button"), this,
               &ProfileEditor::AddButton1Click);
  AddMenuEntry(Buttons1, "RemoveButton1", QStringLiteral("&Remove Button"), this,
               &ProfileEditor::RemoveButton1Click);

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  AddMenuEntry(PopupMenu1, "AddSongs2", QStringLiteral("&Add Songs"), this,
               &ProfileEditor::AddSongs2Click);
  AddMenuEntry(PopupMenu1, "RemoveSongs2", QStringLiteral("&Remove Songs"), this,
               &ProfileEditor::RemoveSongs2Click);
}

void ProfileEditor::CreateCapacityDisplay() {
  ProgressBar1 = new QProgressBar(client_);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
  Place(ProgressBar1, QRect(8, 407, 420, 33), AnchorLeft | AnchorBottom);

  StatusBar1 = statusBar();
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setSizeGripEnabled(false);
  StatusBar1->setFixedHeight(20);
  const std::array<int, 5> widths{100, 125, 135, 135, 150};
  const std::array<QString, 5> texts{QStringLiteral("Disconnected"), QStringLiteral("Size : 0"),
                                     QStringLiteral("Used : 0"), QStringLiteral("Remaining : 0"),
                                     QStringLiteral("Profile On Vantora : None")};
  // A panel widens for a text longer than its width; the last one takes the
  // rest of the bar up to the window's right edge, however long its text.
  for (std::size_t panel = 0; panel < statusPanels_.size(); ++panel) {
    QLabel* label = new QLabel(texts[panel], StatusBar1);
    label->setObjectName(QStringLiteral("StatusPanel%1").arg(panel));
    label->setMinimumWidth(widths[panel]);
    const bool last = panel + 1 == statusPanels_.size();
    if (last) label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    StatusBar1->addWidget(label, last ? 1 : 0);
    statusPanels_[panel] = label;
  }
}

void ProfileEditor::CreateSelector() {
  Label1 = new QLabel(QStringLiteral("Select Profile :"), client_);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Label1->setFont(ArialFont(13, false));
  Place(Label1, QRect(96, 8, 97, 16), AnchorLeft | AnchorTop);

  ComboBox1 = new ProfileSelector(client_);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setEditable(false);
  Place(ComboBox1, QRect(200, 8, 225, 24), AnchorLeft | AnchorTop);
  // Every change by the user, by mouse, keyboard or wheel; the store's own
  // changes are shown with the signal blocked.
  connect(ComboBox1, &QComboBox::currentIndexChanged, this, &ProfileEditor::ComboBox1Change);
  connect(ComboBox1, &ProfileSelector::Opening, this, [this] { store_.RefreshProfileList(); });
}

void ProfileEditor::CreateButtonTabs() {
  PageControl1 = new QTabWidget(client_);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  PageControl1->tabBar()->setFont(ArialFont(13, true));
  Place(PageControl1, QRect(4, 40, 425, 349), AnchorLeft | AnchorTop | AnchorBottom);
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    const QString number = QString::number(slot + 1);
    QWidget* tab = new QWidget();
    tab->setObjectName(QStringLiteral("TabSheet") + number);
    auto* list = new QTreeView(tab);
    list->setObjectName(QStringLiteral("ListView") + number);
    list->setFont(ArialFont(13, false));
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setToolTip(QStringLiteral("Listing of the songs to be downloaded"));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Row moves, double clicks and the popup menu are the page's own handlers,
    // shared by the eight lists.
    list->viewport()->setAcceptDrops(true);
    list->viewport()->installEventFilter(this);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    list->addAction(deleteSounds_);
    connect(list, &QWidget::customContextMenuRequested, this, [this, list](QPoint position) {
      PopupMenu1->popup(list->viewport()->mapToGlobal(position));
    });
    soundLists_[slot] = new SoundListModel(store_.Profile(), slot, rowLook_, list);
    list->setModel(soundLists_[slot]);
    list->header()->setStretchLastSection(false);
    list->header()->resizeSection(SoundListModel::SoundColumn, 350);
    list->header()->resizeSection(SoundListModel::SizeColumn, 63);
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list);
    PageControl1->addTab(tab, QStringLiteral("Btn") + number);
    TabSheets[slot] = tab;
    ListViews[slot] = list;
  }
  ShowButtons();
  // A verdict that arrives recolours the rows.
  connect(&soundChecks_, &SoundDecodeChecks::VerdictsArrived, this, [this] {
    for (SoundListModel* list : soundLists_) list->ShowNewLook();
  });
}

void ProfileEditor::FormShow() {
  Panel1->ShowHelpPage(QStringLiteral("AddFilesIntro.htm"));
  // Profiles copied in or removed while the editor was away are listed.
  store_.RefreshProfileList();
  store_.LoadProfile(store_.CurrentProfileName(), false);
  TrimTabsToUnit();
  RefreshCapacity();
  UpdateStatusBar();
}

void ProfileEditor::ComboBox1Change(int index) {
  store_.SelectProfile(index);
  store_.SelectionChanged();
}

void ProfileEditor::New1Click() {
  store_.New();
}

void ProfileEditor::Open1Click() {
  store_.Open();
}

void ProfileEditor::Save1Click() {
  store_.Save();
}

void ProfileEditor::SaveAs1Click() {
  store_.SaveAs();
}

void ProfileEditor::RetrieveBackup1Click() {
  store_.RetrieveBackup();
}

void ProfileEditor::Delete1Click() {
  store_.Delete();
}

void ProfileEditor::FormMouseUp(Qt::MouseButton button) {
  if (button == Qt::RightButton) Panel1->ShowHelpPage(QStringLiteral("AddFilesIntro.htm"));
}

void ProfileEditor::bbPreviousClick() {
  // When the edits could not be saved, the editor stays with its error shown.
  if (store_.State().Changed && !store_.AskSaveChangedProfile()) return;
  ShowInPlaceOf(windows_.fStart, this);
}

void ProfileEditor::About1Click() {
  windows_.frmAbout->ShowModalOver(this);
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
      ShowStatusText(Info, shown, OrdinaryColour);
      break;
    case InfoColour::Failure:
      ShowStatusText(Info, shown, FailureColour);
      break;
    case InfoColour::Kept:
      ShowStatusText(Info, shown);
      break;
  }
}

void ProfileEditor::ShowProfileList() {
  const QSignalBlocker blocker(ComboBox1);
  ComboBox1->clear();
  QStringList names;
  for (const std::string& name : store_.ProfileList()) {
    names << QString::fromStdString(VisibleText(name));
  }
  ComboBox1->addItems(names);
  ComboBox1->setCurrentIndex(store_.SelectedIndex());
}

void ProfileEditor::ShowProfileAdded(int index) {
  const QSignalBlocker blocker(ComboBox1);
  ComboBox1->insertItem(index, QString::fromStdString(VisibleText(store_.ProfileList()[index])));
}

void ProfileEditor::ShowProfileRemoved(int index) {
  const QSignalBlocker blocker(ComboBox1);
  ComboBox1->removeItem(index);
}

void ProfileEditor::ShowSelectedProfile(int index) {
  const QSignalBlocker blocker(ComboBox1);
  ComboBox1->setCurrentIndex(index);
}

void ProfileEditor::ShowButtons() {
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    PageControl1->setTabVisible(slot, store_.Profile().Buttons[slot].Present);
  }
}

void ProfileEditor::ShowSounds(int slot) {
  soundLists_[slot]->Reload();
}
