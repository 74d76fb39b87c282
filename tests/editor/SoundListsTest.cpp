#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QTreeWidget>

#include "EditorFixture.h"
#include "widgets/StatusText.h"

using SoundListsTest = EditorFixture;

TEST_F(SoundListsTest, SoundsAreAddedOncePerNameToTheActiveTabUpToTheLimitByDialogOrDrop) {
  const TemporaryFolder home;  // the first dialog opens in its Music folder
  std::filesystem::create_directory(home.Path() + "Music");
  const QByteArray homeBefore = qgetenv("HOME");
  qputenv("HOME", QByteArray::fromStdString(home.Path()));
  qunsetenv("XDG_CONFIG_HOME");
  ShowEditor();
  qputenv("HOME", homeBefore);
  std::filesystem::create_directory(sounds.Path() + "other");
  prompts.ChosenFiles = {
      {Sound("bell.mp3", 44).toStdString(), Sound("other/bell.mp3").toStdString(),
       Sound("Bell.mp3").toStdString(), sounds.Path() + "missing.mp3"},
      {}};
  prompts.Answers = {PromptAnswer::Ok};
  Choose(editor, "AddSongs1");
  ASSERT_EQ(prompts.Questions.size(), 1u);
  EXPECT_EQ(prompts.Questions[0].Text, "bell.mp3 is already on Btn1: not added.");
  Choose(editor, "AddSongs2");
  const FileDialog& dialog = prompts.Dialogs.at(0);
  EXPECT_EQ(dialog.Title + "|" + dialog.Filters.at(0).Label + "|" + dialog.Filters.at(2).Label,
            "Select MP3 File(s)|Sound files (*.mp3 *.wav)| Wav files (*.wav)");
  EXPECT_TRUE(dialog.MultipleFiles);
  EXPECT_EQ(prompts.Dialogs.size(), 2u) << "the list's popup menu asks too";
  EXPECT_EQ(prompts.Dialogs.at(0).InitialFolder, home.Path() + "Music/");
  EXPECT_EQ(prompts.Dialogs.at(1).InitialFolder, sounds.Path()) << "where the last was chosen";
  EXPECT_EQ(Names(1), (QStringList{"bell.mp3", "Bell.mp3"}));
  EXPECT_EQ(List(1)->model()->index(0, 1).data(), "44") << "the size column";
  EXPECT_TRUE(Changed());

  // Files dragged from the file manager reach the window through the control under them.
  Tabs()->setCurrentIndex(2);
  WriteFile(sounds.Path() + "notes.mp3", "a text file renamed");
  WriteFile(sounds.Path() + "notes.txt", "a text file");
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(Sound("tune.Mp3")), QUrl::fromLocalFile(Sound("tune.wav")),
                 QUrl::fromLocalFile(QString::fromStdString(sounds.Path() + "notes.mp3")),
                 QUrl::fromLocalFile(QString::fromStdString(sounds.Path() + "notes.txt"))});
  for (QWidget* onto : {Find(editor, "Info"), static_cast<QWidget*>(Tabs()->tabBar())}) {
    QDragEnterEvent enter(onto->rect().center(), Qt::CopyAction, &files, Qt::LeftButton, {});
    QCoreApplication::sendEvent(onto, &enter);
    QDropEvent drop(onto->rect().center(), Qt::CopyAction, &files, Qt::LeftButton, {});
    QCoreApplication::sendEvent(onto, &drop);
    EXPECT_EQ(Names(3).join(","), onto == Tabs()->tabBar() ? "tune.Mp3,tune.wav" : "");
  }
  prompts.Answers = {PromptAnswer::Ok};
  QCoreApplication::processEvents();
  ASSERT_EQ(prompts.Questions.size(), 2u) << "one message, once the drop is over";
  EXPECT_EQ(prompts.Questions[1].Text,
            "These files are not MP3 or WAV sounds: notes.mp3, notes.txt");
  for (int n = 2; n < 255; ++n) editor->AddSoundFile(Sound("s" + std::to_string(n) + ".wav"));
  EXPECT_EQ(List(3)->model()->rowCount(), 254);
}

TEST_F(SoundListsTest, SoundsNotAddedAreNamedWithTheRuleInOneMessage) {
  ShowEditor();
  std::filesystem::create_directory(sounds.Path() + "other");
  std::vector<std::string> chosen{Sound("chime.mp3").toStdString(),
                                  Sound("other/chime.mp3").toStdString()};
  for (int n = 1; n < 260; ++n)
    chosen.push_back(Sound("s" + std::to_string(n) + ".wav").toStdString());
  WriteFile(sounds.Path() + "notes.mp3", "a text file renamed");
  chosen.push_back(sounds.Path() + "notes.mp3");
  prompts.ChosenFiles = {chosen};
  prompts.Answers = {PromptAnswer::Ok};
  Choose(editor, "AddSongs1");
  EXPECT_EQ(List(1)->model()->rowCount(), 254);
  ASSERT_EQ(prompts.Questions.size(), 1u);
  EXPECT_EQ(prompts.Questions[0].Text,
            "These files are not MP3 or WAV sounds: notes.mp3\n"
            "chime.mp3 is already on Btn1: not added.\n"
            "6 sounds were not added: a button holds at most 254 sounds.");

  prompts.ChosenFiles = {{Sound("one more.wav").toStdString()}};
  prompts.Answers = {PromptAnswer::Ok};
  Choose(editor, "AddSongs1");
  EXPECT_EQ(prompts.Questions.at(1).Text,
            "1 sound was not added: a button holds at most 254 sounds.");
  Tabs()->setCurrentIndex(1);
  prompts.ChosenFiles = {{Sound("a.wav").toStdString(), Sound("b.wav").toStdString(),
                          Sound("a.wav").toStdString(), Sound("b.wav").toStdString()}};
  prompts.Answers = {PromptAnswer::Ok};
  Choose(editor, "AddSongs1");
  EXPECT_EQ(Names(2), (QStringList{"a.wav", "b.wav"}));
  EXPECT_EQ(prompts.Questions.at(2).Text, "a.wav, b.wav are already on Btn2: not added.");
}

TEST_F(SoundListsTest, RowsPlayMoveAndAreRemovedAndButtonsAreAddedAndRemoved) {
  unit->SetButtonCount(4);
  ShowEditor();
  for (const char* name : {"a.mp3", "b.mp3", "c.mp3", "d.mp3"}) editor->AddSoundFile(Sound(name));
  QTreeView* list = List(1);
  // A press and release, then the second press of a double click.
  const auto doubleClick = [list](QPoint at) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  };
  const QPoint firstRow = list->visualRect(list->model()->index(0, 0)).center();
  doubleClick({10, list->viewport()->height() - 5});
  EXPECT_TRUE(openedUrls.empty()) << "no row there";
  doubleClick(firstRow);
  const QString a = QString::fromStdString(sounds.Path() + "a.mp3");
  EXPECT_EQ(openedUrls, std::vector<QUrl>{QUrl::fromLocalFile(a)});
  openSucceeds = false;
  prompts.Answers = {PromptAnswer::Ok, PromptAnswer::Ok};
  doubleClick(firstRow);
  std::filesystem::remove(a.toStdString());
  doubleClick(firstRow);
  EXPECT_EQ(openedUrls.size(), 2u) << "a missing file is not handed to the opener";
  EXPECT_EQ(prompts.Questions.at(0).Text, "No program is installed to open a.mp3.");
  EXPECT_EQ(prompts.Questions.at(1).Text + "|" + prompts.Questions.at(1).Title,
            "The file : " + a.toStdString() + " does not exist or has been moved.|");

  // Each row dropped before another row, below the last one, and onto itself.
  const std::tuple<int, int, QStringList> moves[] = {
      {3, 1, {"a.mp3", "d.mp3", "b.mp3", "c.mp3"}},
      {0, -1, {"d.mp3", "b.mp3", "c.mp3", "a.mp3"}},
      {2, 2, {"d.mp3", "b.mp3", "c.mp3", "a.mp3"}}};
  for (const auto& [row, before, names] : moves) {
    editor->Document().MarkSaved();
    DropRow(list, row, before);
    EXPECT_EQ(Names(1), names);
    EXPECT_TRUE(Changed()) << "a row dropped on itself still counts as an edit";
  }

  Tabs()->setCurrentIndex(1);
  editor->AddSoundFile(Sound("e.mp3"));
  const std::unique_ptr<QMimeData> otherList(
      List(2)->model()->mimeData({List(2)->model()->index(0, 0)}));
  EXPECT_FALSE(list->model()->canDropMimeData(otherList.get(), Qt::MoveAction, 0, 0, {}))
      << "rows never move between lists";
  TickRow(1, 0);
  TickRow(1, 1);
  TickRow(2, 0);
  editor->Document().MarkSaved();
  Choose(editor, "Selected1");
  EXPECT_EQ(Names(1), (QStringList{"c.mp3", "a.mp3"}));
  EXPECT_TRUE(Names(2).isEmpty());
  EXPECT_TRUE(Changed());

  // Buttons are added within the unit's count and removed down to two.
  Choose(editor, "AddButton1");
  Choose(editor, "AddButton1");
  EXPECT_EQ(VisibleTabs(), "11110000") << "the unit has four buttons";
  EXPECT_EQ(Tabs()->currentIndex(), 3);
  EXPECT_TRUE(Changed());
  editor->AddSoundFile(Sound("a.mp3"));
  for (int times = 0; times < 4; ++times) Choose(editor, "RemoveButton1");
  EXPECT_EQ(VisibleTabs(), "11000000");
  EXPECT_TRUE(Names(4).isEmpty()) << "a removed button's sounds go with it";
  unit->Attach(false);
  Tick();
  for (int times = 0; times < 8; ++times) Choose(editor, "AddButton1");
  EXPECT_EQ(VisibleTabs(), "11111111") << "without a unit all eight buttons can be added";
}

TEST_F(SoundListsTest, OnlyMp3AndWavSoundsJoinAListTheirTipTellsTheirFormatTheOversizedAreWarned) {
  ShowEditor();  // on the standard unit: 2,359,294 bytes in all
  const std::string at = sounds.Path();
  WriteSound(at + "chime.wav", 33075, 22050, 2);
  WriteSound(at + "bell.mp3", 88200, 44100, 1, Mp3Format);
  WriteSound(at + "tone.flac", 800, 8000, 1, FlacFormat);
  WriteFile(at + "notes.mp3", "a text file renamed");
  WriteFile(at + "empty.wav", "");
  Sound("huge.wav", 2359294 - 16 + 1);
  prompts.ChosenFiles = {{at + "chime.wav", at + "notes.mp3", at + "bell.mp3", at + "tone.flac",
                          at + "empty.wav", at + "huge.wav"}};
  prompts.Answers = {PromptAnswer::Ok};
  Choose(editor, "AddSongs1");
  EXPECT_EQ(Names(1), (QStringList{"chime.wav", "bell.mp3", "huge.wav"}));
  EXPECT_EQ(prompts.Questions.at(0).Text,
            "These files are not MP3 or WAV sounds: notes.mp3, tone.flac, empty.wav");
  auto* info = Find<QLabel>(editor, "Info");
  EXPECT_EQ(info->text(), "huge.wav is larger than the unit's memory");
  EXPECT_EQ(StatusColour(info), FailureColour);
  const char* formats[] = {"1.5 seconds, 22050 Hz, 2 channels", "2.0 seconds, 44100 Hz, 1 channel"};
  for (int row = 0; row < 2; ++row) {
    EXPECT_EQ(List(1)->model()->index(row, 0).data(Qt::ToolTipRole).toString(),
              "Name : " + Names(1)[row] + "\nPath : " + QString::fromStdString(at) +
                  "\nLength : " + formats[row] + "\nDouble Click To Play.");
  }
}

TEST_F(SoundListsTest, RemoveAllAsksFirstAndIsAnEditThatIsOfferedForSaving) {
  ShowEditor();
  Choose(editor, "All1");  // no sound: nothing to ask
  editor->AddSoundFile(Sound("a.mp3"));
  Tabs()->setCurrentIndex(1);
  editor->AddSoundFile(Sound("b.mp3"));
  Choose(editor, "Save1");
  prompts.Answers = {PromptAnswer::No, PromptAnswer::Yes};
  Choose(editor, "All1");
  EXPECT_EQ(prompts.Questions.at(0),
            (Question{"Remove all 2 sounds from every button?", "", PromptButtons::YesNo,
                      PromptIcon::Question, PromptAnswer::No}));
  EXPECT_EQ(Names(1) + Names(2), (QStringList{"a.mp3", "b.mp3"})) << "No keeps them";
  Choose(editor, "All1");
  EXPECT_TRUE((Names(1) + Names(2)).isEmpty());
  EXPECT_TRUE(Changed());
  auto* info = Find<QLabel>(editor, "Info");
  EXPECT_EQ(info->text(), "2 sounds removed");
  EXPECT_EQ(StatusColour(info), OrdinaryColour);
  prompts.Answers = {PromptAnswer::Cancel};
  Window().close();
  EXPECT_EQ(endRequests, 0);
  EXPECT_EQ(prompts.Questions.at(2), SaveChangesQuestion("Alpha"));
}

TEST_F(SoundListsTest, DeleteAndRemoveSelectedTakeTheTickedRowsOrElseTheHighlightedOnes) {
  ShowEditor();
  for (const char* name : {"a.mp3", "b.mp3", "c.mp3"}) editor->AddSoundFile(Sound(name));
  Tabs()->setCurrentIndex(1);
  editor->AddSoundFile(Sound("ticked.mp3"));
  TickRow(2, 0);
  Tabs()->setCurrentIndex(0);
  QTreeView* list = List(1);
  list->selectionModel()->select(list->model()->index(0, 0),
                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
  list->selectionModel()->select(list->model()->index(2, 0),
                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
  editor->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Delete);
  EXPECT_EQ(Names(1), QStringList{"b.mp3"}) << "the highlighted rows of the list on screen";
  EXPECT_EQ(Names(2), QStringList{"ticked.mp3"}) << "never a row of a tab not shown";

  list->selectionModel()->select(list->model()->index(0, 0),
                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
  Choose(editor, "Selected1");
  EXPECT_EQ(Names(1), QStringList{"b.mp3"}) << "ticked rows go first, wherever they are";
  EXPECT_TRUE(Names(2).isEmpty());
  Choose(editor, "Selected1");
  EXPECT_TRUE(Names(1).isEmpty()) << "then the highlighted ones";

  editor->AddSoundFile(Sound("d.mp3"));
  list->clearSelection();
  editor->Document().MarkSaved();
  Choose(editor, "Selected1");
  EXPECT_EQ(Find<QLabel>(editor, "Info")->text(), "Tick or select the sounds to remove");
  EXPECT_EQ(Names(1), QStringList{"d.mp3"});
  EXPECT_FALSE(Changed());
}

TEST_F(SoundListsTest, AReportOfTheLastSaveGoesWithTheNextEdit) {
  ShowEditor();
  auto* info = Find<QLabel>(editor, "Info");
  Choose(editor, "Save1");
  EXPECT_EQ(info->text(), "Profile saved");
  editor->AddSoundFile(Sound("a.mp3"));
  EXPECT_EQ(info->text(), "");
  prompts.Texts = {"Fresh"};
  prompts.Answers = {PromptAnswer::No};
  Choose(editor, "New1");
  EXPECT_EQ(info->text(), "Profile created");
  Choose(editor, "AddButton1");
  EXPECT_EQ(info->text(), "");
}

TEST_F(SoundListsTest, SoundsOfALoadedProfileThatDoNotDecodeAreRedAndNextRefusesThem) {
  WriteFile(sounds.Path() + "fake.mp3", "a text file named like a sound");
  const std::string real = Sound("real.wav").toStdString();
  ShowEditor("[Button0]\r\nNumSounds=2\r\nSound0=" + real + "\r\nSound1=" + sounds.Path() +
             "fake.mp3\r\n");
  const QAbstractItemModel* rows = List(1)->model();
  QSignalSpy checked(rows, &QAbstractItemModel::dataChanged);
  while (!rows->index(1, 0).data(Qt::ForegroundRole).isValid()) {
    ASSERT_TRUE(checked.wait(10000)) << "the decoder's verdicts arrive";
  }
  EXPECT_EQ(rows->index(1, 0).data(Qt::ForegroundRole).value<QColor>(), NotASoundColour);
  EXPECT_TRUE(rows->index(1, 0).data(Qt::ToolTipRole).toString().startsWith(
      "Not an MP3 or WAV sound\n"));
  EXPECT_FALSE(rows->index(0, 0).data(Qt::ForegroundRole).isValid());

  prompts.Answers = {PromptAnswer::Ok};
  Click(editor, "bbNext");
  EXPECT_EQ(prompts.Questions.at(0).Text, "These files are not MP3 or WAV sounds: fake.mp3");
  EXPECT_TRUE(editor->isVisible());
  EXPECT_FALSE(Programming()->isVisible());
}

TEST_F(SoundListsTest, TheLengthColumnsOfTheListsAndOfTheProgrammingListFillInTheBackground) {
  const std::string song = Sound("song.wav", 8000 * 90 + 44).toStdString();
  ShowEditor("[Button0]\r\nNumSounds=1\r\nSound0=" + song + "\r\n");
  const QAbstractItemModel* rows = List(1)->model();
  EXPECT_EQ(rows->headerData(2, Qt::Horizontal).toString(), "Length");
  QSignalSpy shown(rows, &QAbstractItemModel::dataChanged);
  while (rows->index(0, 2).data().toString().isEmpty()) {
    ASSERT_TRUE(shown.wait(10000)) << "the length arrives";
  }
  EXPECT_EQ(rows->index(0, 2).data().toString(), "1:30");

  emit editor->NextRequested();  // as NEXT does once its checks passed
  auto* list = Find<QTreeWidget>(Programming(), "ListView1");
  EXPECT_EQ(list->headerItem()->text(2), "Length");
  QSignalSpy filled(list->model(), &QAbstractItemModel::dataChanged);
  while (list->topLevelItem(0)->text(2).isEmpty()) {
    ASSERT_TRUE(filled.wait(10000)) << "the length arrives";
  }
  EXPECT_EQ(list->topLevelItem(0)->text(2), "1:30");
  EXPECT_EQ(list->topLevelItem(0)->text(3), "1");
}
