#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "AppFixture.h"
#include "app/AboutBox.h"
#include "app/StartPage.h"
#include "app/StatusText.h"
#include "device/WireCommands.h"
#include "editor/ProfileEditor.h"
#include "programming/ProgrammingPage.h"

namespace {

template <typename Control>
Control* Find(QWidget* page, const char* name) {
  Control* control = page->findChild<Control*>(QString::fromLatin1(name));
  EXPECT_NE(control, nullptr) << name;
  return control;
}

void Click(QWidget* page, const char* buttonName) {
  QTest::mouseClick(Find<QPushButton>(page, buttonName), Qt::LeftButton);
}

}  // namespace

TEST(StartPagePlacement, TenPixelsInOnlyWhereTheScreenIsLarger) {
  EXPECT_EQ(StartPagePosition({800, 600}), QPoint(0, 0));
  EXPECT_EQ(StartPagePosition({1024, 768}), QPoint(10, 10));
  EXPECT_EQ(StartPagePosition({801, 600}), QPoint(10, 0));
  EXPECT_EQ(StartPagePosition({800, 601}), QPoint(0, 10));
}

using PageFlowTest = AppFixture;

TEST_F(PageFlowTest, StartShowsOnlyTheStartPageAndProbesAtOnce) {
  StartProgram();
  Windows& pages = Pages();
  EXPECT_TRUE(pages.fStart->isVisible());
  EXPECT_FALSE(pages.Form1->isVisible());
  EXPECT_FALSE(pages.Form3->isVisible());
  EXPECT_FALSE(pages.frmAbout->isVisible());
  EXPECT_EQ(pages.fStart->objectName(), "fStart");
  EXPECT_EQ(pages.fStart->windowTitle(), "Welcome");
  EXPECT_EQ(pages.Form1->windowTitle(), "Program Vantora");
  EXPECT_EQ(pages.Form3->windowTitle(), "Create Song Profile");
  EXPECT_EQ(pages.frmAbout->windowTitle(), "About");
  EXPECT_EQ(pages.frmAbout->size(), QSize(460, 405));
  EXPECT_EQ(pages.Form1->pos(), QPoint(0, 0));
  EXPECT_EQ(pages.Form3->pos(), QPoint(0, 0));

  auto* label8 = Find<QLabel>(pages.Form1, "Label8");
  EXPECT_EQ(label8->text(), "Programmer Ready");
  EXPECT_EQ(StatusColour(label8), SuccessColour);
  EXPECT_TRUE(pages.Form1->Status().UnitPresent);
  EXPECT_EQ(Find<QLabel>(pages.Form1, "Label3")->text(), " ");

  auto* probeTimer = Find<QTimer>(pages.Form1, "Timer1");
  EXPECT_TRUE(probeTimer->isActive());
  EXPECT_EQ(probeTimer->interval(), 2500);
  auto* editorTimer = Find<QTimer>(pages.Form3, "Timer1");
  EXPECT_TRUE(editorTimer->isActive());
  EXPECT_EQ(editorTimer->interval(), 1000);
}

TEST_F(PageFlowTest, ProgrammerLineFollowsTheProgrammerOnEachTick) {
  unit->Attach(false);
  StartProgram();
  ProgrammingPage* form1 = Pages().Form1;
  auto* label8 = Find<QLabel>(form1, "Label8");
  EXPECT_EQ(label8->text(), "Programmer Not Found");
  EXPECT_EQ(StatusColour(label8), FailureColour);

  unit->Attach(true);
  form1->Timer1Timer();
  EXPECT_EQ(label8->text(), "Programmer Ready");
  EXPECT_EQ(StatusColour(label8), SuccessColour);

  unit->Attach(false);
  form1->Timer1Timer();
  EXPECT_EQ(label8->text(), "Programmer Not Found");
  EXPECT_FALSE(form1->Status().UnitPresent);
}

TEST_F(PageFlowTest, TransitionsHandTheScreenPositionOver) {
  StartProgram();
  Windows& pages = Pages();
  pages.fStart->move(40, 30);
  Click(pages.fStart, "bbContinue");
  EXPECT_FALSE(pages.fStart->isVisible());
  EXPECT_TRUE(pages.Form3->isVisible());
  EXPECT_EQ(pages.Form3->pos(), QPoint(40, 30));

  pages.Form3->move(70, 50);
  ShowInPlaceOf(pages.Form1, pages.Form3);
  EXPECT_EQ(pages.Form1->pos(), QPoint(70, 50));
  pages.Form1->move(90, 60);
  auto* label3 = Find<QLabel>(pages.Form1, "Label3");
  label3->setText("Success! 3 seconds");
  Click(pages.Form1, "bbPrevious");
  EXPECT_FALSE(pages.Form1->isVisible());
  EXPECT_EQ(label3->text(), "") << "hiding the programming page clears its result line";
  EXPECT_EQ(pages.Form3->pos(), QPoint(90, 60)) << "the editor comes back where Form1 was";

  Click(pages.Form3, "bbPrevious");
  EXPECT_TRUE(pages.fStart->isVisible());
  EXPECT_FALSE(pages.Form3->isVisible());
  EXPECT_EQ(pages.fStart->pos(), QPoint(90, 60));
}

TEST_F(PageFlowTest, PagesSnapBackToEightHundredBySixHundredAndKeepTheirOwnSize) {
  StartProgram();
  Windows& pages = Pages();
  for (Page* page : std::initializer_list<Page*>{pages.fStart, pages.Form1, pages.Form3}) {
    page->show();
    page->resize(700, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(page->frameGeometry().size(), QSize(800, 600)) << page->objectName().toStdString();
    const int frameHeight = page->frameGeometry().height() - page->height();
    page->resize(700, 900);
    QCoreApplication::processEvents();
    EXPECT_EQ(page->frameGeometry().size(), QSize(800, 900 + frameHeight))
        << page->objectName().toStdString();
  }
  pages.fStart->resize(1000, 700);
  pages.Form3->resize(850, 650);
  ShowInPlaceOf(pages.Form3, pages.fStart);
  QCoreApplication::processEvents();
  EXPECT_EQ(pages.Form3->size(), QSize(850, 650));
}

TEST_F(PageFlowTest, AnchoredControlsFollowTheWindow) {
  StartProgram();
  StartPage* start = Pages().fStart;
  start->resize(1000, 800);
  QCoreApplication::processEvents();
  const QWidget* client = start->centralWidget();
  const int growthX = client->width() - 792;
  const int growthY = client->height() - 554;
  auto* continueButton = Find<QPushButton>(start, "bbContinue");
  EXPECT_EQ(continueButton->geometry(), QRect(321 + growthX / 2, 495 + growthY, 150, 50));
  EXPECT_EQ(Find<QWidget>(start, "Panel1")->geometry(), QRect(0, 0, 793 + growthX, 485 + growthY));
}

TEST_F(PageFlowTest, ClosingAnyPageEndsTheApplication) {
  StartProgram();
  Windows& pages = Pages();
  pages.fStart->close();
  EXPECT_EQ(endRequests, 1);
  pages.Form3->show();
  pages.Form3->close();
  EXPECT_EQ(endRequests, 2);
}

TEST_F(PageFlowTest, ClosingTheProgrammingPageClosesAnOpenHandleFirst) {
  unit->Attach(false);
  StartProgram();
  ProgrammingPage* form1 = Pages().Form1;
  // A probe whose close fails leaves the handle open.
  unit->Attach(true);
  unit->InjectFault(CmdIdentifySlot, SimulatedFault::Silent, 0);
  unit->FailClose(true);
  form1->Timer1Timer();
  ASSERT_NE(form1->Link().Handle, 0u);

  unit->FailClose(false);
  form1->show();
  form1->close();
  EXPECT_EQ(form1->Link().Handle, 0u);
  EXPECT_FALSE(unit->IsOpen());
  EXPECT_EQ(endRequests, 1);
}

TEST_F(PageFlowTest, PictureButtonsCarryTheNamesOfTheirFaces) {
  StartProgram();
  Windows& pages = Pages();
  EXPECT_EQ(Find<QPushButton>(pages.fStart, "bbContinue")->accessibleName(), "Next");
  EXPECT_EQ(Find<QPushButton>(pages.Form3, "bbNext")->accessibleName(), "Next");
  EXPECT_EQ(Find<QPushButton>(pages.Form3, "bbPrevious")->accessibleName(), "Previous");
  EXPECT_EQ(Find<QPushButton>(pages.Form1, "bbPrevious")->accessibleName(), "Previous");
  auto* program = Find<QPushButton>(pages.Form1, "bbProgram");
  EXPECT_EQ(program->accessibleName(), "Program");
  EXPECT_EQ(program->iconSize(), QSize(140, 40));
  EXPECT_EQ(program->text(), "");
}
