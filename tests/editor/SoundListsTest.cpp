#include <QCoreApplication>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "EditorFixture.h"
#include "editor/SoundListModel.h"

namespace {

// Files dragged from the file manager and dropped onto a control: the drag
// goes to the control and, since controls take no files, on to their window.
void Drop(QWidget* onto, const QList<QUrl>& files) {
  QMimeData data;
  data.setUrls(files);
  const QPoint point = onto->rect().center();
  QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(onto, &enter);
  QDropEvent drop(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(onto, &drop);
}

}  // namespace

using SoundListsTest = EditorFixture;

TEST_F(SoundListsTest, AddingTakesEachNameOncePerListUpToTheLimit) {
  ShowEditor();
  const QString bell = Sound("bell.mp3", 0);
  std::filesystem::create_directory(sounds.Path() + "other");
  const QString otherBell = Sound("other/bell.mp3");
  editor->AddSoundFile(bell);
  editor->AddSoundFile(otherBell);
  editor->AddSoundFile(Sound("Bell.mp3"));
  editor->AddSoundFile(QString::fromStdString(sounds.Path() + "missing.mp3"));
  EXPECT_EQ(Names(1), (QStringList{"bell.mp3", "Bell.mp3"}));
  const SoundEntry& first = editor->Profiles().Profile().Buttons[0].Sounds[0];
  EXPECT_EQ(first.SizeText, "0");
  EXPECT_EQ(first.Directory, sounds.Path());
  EXPECT_TRUE(Changed());

  Tabs()->setCurrentIndex(2);
  editor->AddSoundFile(otherBell);
  EXPECT_EQ(Names(3), QStringList{"bell.mp3"}) << "files go to the active tab";

  for (int number = Names(3).size(); number < 255; ++number) {
    editor->AddSoundFile(Sound("s" + std::to_string(number) + ".wav"));
  }
  EXPECT_EQ(Names(3).size(), 254);
  EXPECT_EQ(List(3)->model()->rowCount(), 254);
}

TEST_F(SoundListsTest, AddSoundsAsksForMp3AndWavFiles) {
  ShowEditor();
  prompts.ChosenFiles = {{Sound("a.mp3").toStdString(), Sound("b.wav").toStdString()}};
  Find<QAction>("AddSongs1")->trigger();
  const FileDialog& dialog = prompts.Dialogs.at(0);
  EXPECT_EQ(dialog.Title, "Select MP3 File(s)");
  EXPECT_TRUE(dialog.MultipleFiles);
  ASSERT_EQ(dialog.Filters.size(), 2u);
  EXPECT_EQ(dialog.Filters[1].Label, " Wav files (*.wav)");
  EXPECT_EQ(Names(1), (QStringList{"a.mp3", "b.wav"}));

  prompts.ChosenFiles = {{}};
  Find<QAction>("AddSongs2")->trigger();
  EXPECT_EQ(Names(1).size(), 2);
}

TEST_F(SoundListsTest, DroppedSoundFilesGoToTheActiveTabOnlyWhenDroppedOnTheTabs) {
  ShowEditor();
  Tabs()->setCurrentIndex(2);
  const QList<QUrl> files{QUrl::fromLocalFile(Sound("tune.Mp3")),
                          QUrl::fromLocalFile(Sound("tune.wav")),
                          QUrl::fromLocalFile(Sound("notes.txt"))};
  Drop(Find<QWidget>("Info"), files);
  EXPECT_TRUE(Names(3).isEmpty());
  Drop(Tabs()->tabBar(), files);
  EXPECT_EQ(Names(3), (QStringList{"tune.Mp3", "tune.wav"}));
  EXPECT_TRUE(Names(1).isEmpty());
}

TEST_F(SoundListsTest, ButtonsAreAddedWithinTheUnitsCountAndRemovedDownToTwo) {
  unit->SetButtonCount(4);
  ShowEditor();
  auto* addButton = Find<QAction>("AddButton1");
  auto* removeButton = Find<QAction>("RemoveButton1");
  addButton->trigger();
  EXPECT_TRUE(Tabs()->isTabVisible(3));
  EXPECT_EQ(Tabs()->currentIndex(), 3);
  EXPECT_TRUE(Changed());
  addButton->trigger();
  EXPECT_FALSE(Tabs()->isTabVisible(4)) << "the unit has four buttons";

  editor->AddSoundFile(Sound("a.mp3"));
  removeButton->trigger();
  EXPECT_FALSE(Tabs()->isTabVisible(3));
  EXPECT_TRUE(Names(4).isEmpty());
  for (int times = 0; times < 3; ++times) removeButton->trigger();
  EXPECT_TRUE(Tabs()->isTabVisible(0));
  EXPECT_TRUE(Tabs()->isTabVisible(1));

  unit->Attach(false);
  Tick();
  for (int times = 0; times < 8; ++times) addButton->trigger();
  EXPECT_TRUE(Tabs()->isTabVisible(7)) << "without a unit all eight buttons can be added";
}

TEST_F(SoundListsTest, ARowMovesBeforeTheRowItIsDroppedOnOrToTheEnd) {
  ShowEditor();
  for (const char* name : {"a.mp3", "b.mp3", "c.mp3", "d.mp3"}) editor->AddSoundFile(Sound(name));
  Changed() = false;
  QTreeView* list = List(1);
  const auto rowPoint = [list](int row) {
    return list->visualRect(list->model()->index(row, 0)).center();
  };
  list->setCurrentIndex(list->model()->index(3, 0));
  editor->ListView1DragDrop(list, rowPoint(1));
  EXPECT_EQ(Names(1), (QStringList{"a.mp3", "d.mp3", "b.mp3", "c.mp3"}));
  EXPECT_TRUE(Changed());

  list->setCurrentIndex(list->model()->index(0, 0));
  editor->ListView1DragDrop(list, QPoint(5, list->viewport()->height() - 2));
  EXPECT_EQ(Names(1), (QStringList{"d.mp3", "b.mp3", "c.mp3", "a.mp3"}));

  Changed() = false;
  list->setCurrentIndex(list->model()->index(2, 0));
  editor->ListView1DragDrop(list, rowPoint(2));
  EXPECT_EQ(Names(1), (QStringList{"d.mp3", "b.mp3", "c.mp3", "a.mp3"}));
  EXPECT_TRUE(Changed()) << "a row dropped on itself still counts as an edit";
  EXPECT_FALSE(editor->ListView1DragOver(list, List(2))) << "rows never move between lists";
}

TEST_F(SoundListsTest, RemoveSelectedTakesTheCheckedRowsOfEveryTabAndAllKeepsChanged) {
  ShowEditor();
  for (const char* name : {"a.mp3", "b.mp3", "c.mp3"}) editor->AddSoundFile(Sound(name));
  Tabs()->setCurrentIndex(1);
  editor->AddSoundFile(Sound("d.mp3"));
  SongProfile& profile = editor->Profiles().Profile();
  profile.Buttons[0].Sounds[0].Checked = true;
  profile.Buttons[0].Sounds[1].Checked = true;
  profile.Buttons[1].Sounds[0].Checked = true;
  Changed() = false;
  Find<QAction>("Selected1")->trigger();
  EXPECT_EQ(Names(1), QStringList{"c.mp3"});
  EXPECT_TRUE(Names(2).isEmpty());
  EXPECT_TRUE(Changed());

  Changed() = false;
  Find<QAction>("All1")->trigger();
  EXPECT_TRUE(Names(1).isEmpty());
  EXPECT_FALSE(Changed());
  EXPECT_TRUE(Tabs()->isTabVisible(2));
}

TEST_F(SoundListsTest, DoubleClickPlaysTheSelectedSoundAndRowsTellTheirPath) {
  ShowEditor();
  const QString path = Sound("door.mp3");
  editor->AddSoundFile(path);
  QTreeView* list = List(1);
  const QModelIndex row = list->model()->index(0, 0);
  EXPECT_EQ(row.data(Qt::ToolTipRole).toString(),
            "Name : door.mp3\nPath : " + QString::fromStdString(sounds.Path()) +
                "\nDouble Click To Play.");
  editor->ListView1DblClick(list);
  EXPECT_TRUE(openedUrls.empty()) << "nothing is selected";

  list->setCurrentIndex(row);
  editor->ListView1DblClick(list);
  ASSERT_EQ(openedUrls.size(), 1u);
  EXPECT_EQ(openedUrls[0], QUrl::fromLocalFile(path));

  std::filesystem::remove(path.toStdString());
  prompts.Answers = {PromptAnswer::Ok};
  editor->ListView1DblClick(list);
  EXPECT_EQ(openedUrls.size(), 1u);
  EXPECT_EQ(prompts.Questions.at(0).Text, "List view instructions could not be found");
  EXPECT_EQ(prompts.Questions.at(0).Title, "");
}
