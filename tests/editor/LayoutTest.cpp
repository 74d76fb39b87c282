// The editor's layout: the lists grow with the window, the handle between
// them and the help pane stays where the user left it, and nothing is cut.
#include <QHeaderView>
#include <QSplitter>
#include <QTabBar>
#include <QTextBrowser>

#include "EditorFixture.h"

class LayoutTest : public EditorFixture {
 protected:
  QSplitter* Splitter() { return Find<QSplitter>(editor, "Splitter1"); }
  void ResizeTo(QSize size) {
    editor->resize(size);
    QCoreApplication::processEvents();
  }
};

TEST_F(LayoutTest, EightButtonTabsLieWithinTheTabBarAtTheSmallestSize) {
  ShowEditor();
  for (int added = 3; added < 8; ++added) editor->AddButton();
  ASSERT_EQ(VisibleTabs(), "11111111");
  ResizeTo(Page::MinimumOuterSize);
  QTabBar* bar = Tabs()->tabBar();
  for (int tab = 0; tab < 8; ++tab) {
    EXPECT_TRUE(bar->rect().contains(bar->tabRect(tab))) << "Btn" << tab + 1;
  }
}

TEST_F(LayoutTest, ListsAndHelpPaneGrowWithTheWindow) {
  ShowEditor();
  ResizeTo(Page::MinimumOuterSize);
  const QSize list = List(1)->size();
  const QSize pane = Find(editor, "WebInfo")->size();
  ResizeTo(Page::MinimumOuterSize + QSize(300, 200));
  EXPECT_GT(List(1)->width(), list.width());
  EXPECT_EQ(List(1)->height(), list.height() + 200);
  EXPECT_GT(Find(editor, "WebInfo")->width(), pane.width());
  EXPECT_EQ(Find(editor, "ProgressBar1")->width(), Tabs()->width() - 5)
      << "the capacity bar keeps to the tabs' width";
}

TEST_F(LayoutTest, TheSplitterDraggedIsWhereTheNextRunShowsIt) {
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
  ShowInPlaceOf(editor, Start());
  EXPECT_EQ(Splitter()->sizes().at(0), left + 90);
}

TEST_F(LayoutTest, SizesAreGroupedRightAlignedAndWhole) {
  ShowEditor();
  editor->AddSoundFile(Sound("long.wav", 1234568));
  const QModelIndex size = List(1)->model()->index(0, 1);
  EXPECT_EQ(size.data().toString(), "1,234,568");
  EXPECT_EQ(size.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
  const int eightDigits = List(1)->fontMetrics().horizontalAdvance("99,999,999");
  EXPECT_GT(List(1)->header()->sectionSize(1), eightDigits);
}
