// The editor's layout and keys: the lists grow with the window, the handle
// between them and the help pane stays where the user left it, nothing is
// cut, and the keys go round the tabs and move sounds.
#include <QAction>
#include <QHeaderView>
#include <QSplitter>
#include <QTabBar>
#include <QTextBrowser>

#include "EditorFixture.h"

class LayoutAndKeysTest : public EditorFixture {
 protected:
  QSplitter* Splitter() { return Find<QSplitter>(editor, "Splitter1"); }
  void ResizeTo(QSize size) {
    Window().resize(size);
    QCoreApplication::processEvents();
  }
};

TEST_F(LayoutAndKeysTest, EightButtonTabsLieWithinTheTabBarAtTheSmallestSize) {
  ShowEditor();
  for (int added = 3; added < 8; ++added) Choose(editor, "AddButton1");
  ASSERT_EQ(VisibleTabs(), "11111111");
  ResizeTo(MainWindow::MinimumOuterSize);
  QTabBar* bar = Tabs()->tabBar();
  for (int tab = 0; tab < 8; ++tab) {
    EXPECT_TRUE(bar->rect().contains(bar->tabRect(tab))) << "Btn" << tab + 1;
  }
}

TEST_F(LayoutAndKeysTest, ListsAndHelpPaneGrowWithTheWindow) {
  ShowEditor();
  ResizeTo(MainWindow::MinimumOuterSize);
  const QSize list = List(1)->size();
  const QSize pane = Find(editor, "WebInfo")->size();
  ResizeTo(MainWindow::MinimumOuterSize + QSize(300, 200));
  EXPECT_GT(List(1)->width(), list.width());
  EXPECT_EQ(List(1)->height(), list.height() + 200);
  EXPECT_GT(Find(editor, "WebInfo")->width(), pane.width());
  EXPECT_EQ(Find(editor, "ProgressBar1")->width(), Tabs()->width())
      << "the capacity bar keeps to the tabs' width";
}

TEST_F(LayoutAndKeysTest, TheSplitterDraggedIsWhereTheNextRunShowsIt) {
  ShowEditor();
  const int left = Splitter()->sizes().at(0);
  QWidget* handle = Splitter()->handle(1);
  const QPoint middle = handle->rect().center();
  QTest::mousePress(handle, Qt::LeftButton, {}, middle);
  QTest::mouseMove(handle, middle + QPoint(90, 0));
  QTest::mouseRelease(handle, Qt::LeftButton, {}, middle + QPoint(90, 0));
  ASSERT_EQ(Splitter()->sizes().at(0), left + 90);
  vantora.reset();
  StartProgram();
  editor = Editor();
  GoToEditor();
  EXPECT_EQ(Splitter()->sizes().at(0), left + 90);
}

TEST_F(LayoutAndKeysTest, SizesAreGroupedRightAlignedAndWhole) {
  ShowEditor();
  editor->AddSoundFile(Sound("long.wav", 1234568));
  const QModelIndex size = List(1)->model()->index(0, 1);
  EXPECT_EQ(size.data().toString(), "1,234,568");
  EXPECT_EQ(size.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
  const int eightDigits = List(1)->fontMetrics().horizontalAdvance("99,999,999");
  EXPECT_GT(List(1)->header()->sectionSize(1), eightDigits);
}

TEST_F(LayoutAndKeysTest, ControlTabAndControlPageKeysGoRoundTheVisibleButtonTabs) {
  ShowEditor();
  const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  };
  editor->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
  List(1)->setFocus();
  press(Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(Tabs()->currentIndex(), 1);
  press(Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(Tabs()->currentIndex(), 2);
  press(Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(Tabs()->currentIndex(), 0) << "round from the last of the three buttons";
  press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Tabs()->currentIndex(), 2);
  press(Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(Tabs()->currentIndex(), 1);
}

TEST_F(LayoutAndKeysTest, AltUpAndDownMoveTheHighlightedSoundAsOneUndoableStep) {
  ShowEditor();
  for (const char* name : {"a.wav", "b.wav", "c.wav"}) editor->AddSoundFile(Sound(name));
  QTreeView* list = List(1);
  list->setCurrentIndex(list->model()->index(0, 0));
  editor->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
  QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
  EXPECT_EQ(Names(1), (QStringList{"b.wav", "c.wav", "a.wav"}));
  QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
  EXPECT_EQ(Names(1), (QStringList{"b.wav", "c.wav", "a.wav"})) << "the last stays last";
  QTest::keyClick(list, Qt::Key_Up, Qt::AltModifier);
  EXPECT_EQ(Names(1), (QStringList{"b.wav", "a.wav", "c.wav"}));
  EXPECT_TRUE(Changed());
  Find<QAction>(editor, "Undo1")->trigger();
  EXPECT_EQ(Names(1), (QStringList{"b.wav", "c.wav", "a.wav"}));
}
