#include <QLabel>
#include <QSignalSpy>
#include <QSplitter>
#include <QTimer>

#include "AppFixture.h"
#include "widgets/ButtonFaces.h"
#include "widgets/StatusText.h"
#include "device/WireCommands.h"

TEST(StartPagePlacement, TenPixelsInOnlyWhereTheScreenIsLarger) {
  EXPECT_EQ(StartPagePosition({800, 600}), QPoint(0, 0));
  EXPECT_EQ(StartPagePosition({801, 600}), QPoint(10, 0));
  EXPECT_EQ(StartPagePosition({800, 601}), QPoint(0, 10));
}

TEST(PictureButtons, EnterReturnAndSpacePressTheFocusedButtonWhateverItsFace) {
  QWidget page;
  for (ButtonFace face :
       {ButtonFace::Next, ButtonFace::Previous, ButtonFace::Program, ButtonFace::Finish}) {
    QPushButton* button = MakePictureButton(&page, "bbButton", face);
    QSignalSpy pressed(button, &QPushButton::clicked);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) QTest::keyClick(button, key);
    EXPECT_EQ(pressed.count(), 3) << button->accessibleName().toStdString();
  }
}

using PageFlowTest = AppFixture;

TEST_F(PageFlowTest, TheStartPageOpensWithNextFocusedSoThatEnterGoesOn) {
  StartProgram();
  Start()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Start()));
  ASSERT_EQ(QApplication::focusWidget(), Find(Start(), "bbContinue"));
  QSignalSpy next(Start(), &StartPage::NextRequested);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(next.count(), 1);
}

TEST_F(PageFlowTest, NoControlOfAPageOverlapsAnotherAtAnySize) {
  StartProgram();
  for (Page* page : std::initializer_list<Page*>{Start(), Programming(), Editor()}) {
    page->show();
    for (QSize size : {QSize(800, 600), QSize(1024, 768), QSize(1600, 1200)}) {
      page->resize(size);
      // The controls of the client area, or of its left part beside the help pane.
      QWidget* area = page->centralWidget();
      if (auto* split = page->findChild<QSplitter*>("Splitter1")) area = split->widget(0);
      const QList<QWidget*> controls = area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
      ASSERT_GT(controls.size(), 1);
      for (qsizetype one = 0; one < controls.size(); ++one) {
        for (qsizetype other = one + 1; other < controls.size(); ++other) {
          EXPECT_FALSE(controls[one]->geometry().intersects(controls[other]->geometry()))
              << page->objectName().toStdString() << " at " << size.width() << " x "
              << size.height() << ": " << controls[one]->objectName().toStdString() << " overlaps "
              << controls[other]->objectName().toStdString();
        }
      }
    }
  }
}

TEST_F(PageFlowTest, StartTransitionsSizesProbesAndClosing) {
  StartProgram();
  Page* const all[] = {Start(), Programming(), Editor()};
  EXPECT_TRUE(Start()->isVisible());
  EXPECT_FALSE(Programming()->isVisible() || Editor()->isVisible() || About()->isVisible());
  EXPECT_EQ(QStringList({Start()->windowTitle(), Programming()->windowTitle(),
                         Editor()->windowTitle(), About()->windowTitle()}),
            QStringList({"Welcome", "Program Vantora", "Create Song Profile[*]", "About"}));
  QStringList faces;
  for (Page* page : all) {
    for (auto* button : page->findChildren<QPushButton*>()) faces << button->accessibleName();
  }
  EXPECT_EQ(faces, QStringList({"Next", "Previous", "Program", "Previous", "Next"}));
  auto* program = Find<QPushButton>(Programming(), "bbProgram");
  EXPECT_TRUE(program->text().isEmpty() && program->iconSize() == QSize(140, 40)) << "a picture";
  EXPECT_TRUE(Find<QTimer>(Editor(), "Timer1")->isActive()) << "the fixture stops Form1's";
  EXPECT_EQ(std::pair(Find<QTimer>(Programming(), "Timer1")->interval(),
                      Find<QTimer>(Editor(), "Timer1")->interval()),
            std::pair(2500, 1000));
  auto* label8 = Find<QLabel>(Programming(), "Label8");
  EXPECT_EQ(label8->text(), "Programmer Ready") << "the first probe";

  auto* label3 = Find<QLabel>(Programming(), "Label3");
  label3->setText("Success! 3 seconds");
  const std::tuple<Page*, Page*, const char*, const char*> steps[] = {
      {Start(), Editor(), "bbContinue", "AddFilesIntro.htm"},
      {Editor(), Programming(), nullptr, "ProgramPage1.htm"},
      {Programming(), Editor(), "bbPrevious", "AddFilesIntro.htm"},
      {Editor(), Start(), "bbPrevious", "Introduction.htm"}};
  int x = 10;
  for (const auto& [from, to, button, helpPage] : steps) {
    from->move(x += 20, 30);
    Find<QTextBrowser>(to, "WebInfo")->setSource(QUrl::fromLocalFile(ProgramPath("Other.htm")));
    // Next of the editor, once its checks passed, is its request to the flow.
    button ? Click(from, button) : emit Editor()->NextRequested();
    EXPECT_TRUE(!from->isVisible() && to->isVisible());
    EXPECT_EQ(to->pos(), QPoint(x, 30)) << to->objectName().toStdString();
    EXPECT_EQ(ShownPage(to), helpPage);
  }
  EXPECT_EQ(label3->text(), "") << "hiding the programming page clears its result line";

  for (Page* page : all) {
    page->show();
    page->resize(700, 500);
    EXPECT_EQ(page->frameGeometry().size(), QSize(800, 600)) << page->objectName().toStdString();
    const int frameHeight = page->frameGeometry().height() - page->height();
    page->resize(700, 900);
    EXPECT_EQ(page->frameGeometry().size(), QSize(800, 900 + frameHeight));
  }
  Start()->resize(1000, 800);
  const QSize growth = Start()->centralWidget()->size() - QSize(792, 554);
  EXPECT_EQ(Find(Start(), "bbContinue")->geometry(),
            QRect(321 + growth.width() / 2, 495 + growth.height(), 150, 50));
  EXPECT_EQ(Find(Start(), "Panel1")->geometry(),
            QRect(0, 0, 793 + growth.width(), 485 + growth.height()));
  Editor()->resize(850, 650);
  ShowInPlaceOf(Editor(), Start());
  EXPECT_EQ(Editor()->size(), Start()->size()) << "the page shown takes the size of the one left";

  for (bool attached : {false, true, false}) {
    unit->Attach(attached);
    Probe();
    EXPECT_EQ(label8->text(), attached ? "Programmer Ready" : "Programmer Not Found");
    EXPECT_EQ(StatusColour(label8), attached ? SuccessColour : FailureColour);
  }

  // A probe whose close fails leaves the handle open: closing the page closes it.
  unit->Attach(true);
  unit->InjectFault(CmdIdentifySlot, SimulatedFault::Silent, 0);
  unit->FailClose(true);
  Probe();
  ASSERT_TRUE(unit->IsOpen());
  unit->FailClose(false);
  QSignalSpy stopped(&vantora->Device(), &DeviceThread::Stopped);
  for (Page* page : all) page->close();
  ASSERT_TRUE(stopped.wait(10000)) << "closing the programming page stops the device thread";
  EXPECT_FALSE(unit->IsOpen());
  EXPECT_EQ(endRequests, 3);
}
