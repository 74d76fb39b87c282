#include <QLabel>
#include <QSignalSpy>
#include <QSplitter>
#include <QTimer>
#include <filesystem>

#include "AppFixture.h"
#include "support/TemporaryFolder.h"
#include "widgets/ButtonFaces.h"
#include "widgets/StatusText.h"
#include "device/WireCommands.h"

TEST(WindowPlacement, TenPixelsInOnlyWhereTheScreenIsLarger) {
  EXPECT_EQ(StartPosition({800, 600}), QPoint(0, 0));
  EXPECT_EQ(StartPosition({801, 600}), QPoint(10, 0));
  EXPECT_EQ(StartPosition({800, 601}), QPoint(0, 10));
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
  Window().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
  ASSERT_EQ(QApplication::focusWidget(), Find(Start(), "bbContinue"));
  QSignalSpy next(Start(), &StartPage::NextRequested);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(next.count(), 1);
}

TEST_F(PageFlowTest, NoControlOfAPageOverlapsAnotherAtAnySize) {
  StartProgram();
  for (Page* page : std::initializer_list<Page*>{Start(), Programming(), Editor()}) {
    Window().ShowPage(page);
    for (QSize size : {QSize(800, 600), QSize(1024, 768), QSize(1600, 1200)}) {
      Window().resize(size);
      QCoreApplication::processEvents();
      // The controls of the page's area, or of its left part beside the help pane.
      QWidget* area = page->childAt(FreeArea(page));
      if (auto* split = page->findChild<QSplitter*>("Splitter1")) area = split->widget(0);
      const QList<QWidget*> controls = area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
      ASSERT_GT(controls.size(), 1);
      for (qsizetype one = 0; one < controls.size(); ++one) {
        for (qsizetype other = one + 1; other < controls.size(); ++other) {
          if (!controls[one]->isVisible() || !controls[other]->isVisible()) continue;
          EXPECT_FALSE(controls[one]->geometry().intersects(controls[other]->geometry()))
              << page->objectName().toStdString() << " at " << size.width() << " x "
              << size.height() << ": " << controls[one]->objectName().toStdString() << " overlaps "
              << controls[other]->objectName().toStdString();
        }
      }
    }
  }
}

TEST_F(PageFlowTest, PagesChangeInOneWindowThatKeepsItsPlaceSizeAndCaption) {
  StartProgram();
  Page* const all[] = {Start(), Programming(), Editor()};
  EXPECT_TRUE(Start()->isVisible());
  EXPECT_FALSE(Programming()->isVisible() || Editor()->isVisible() || About()->isVisible());
  EXPECT_EQ(QStringList({Window().windowTitle(), Programming()->windowTitle(),
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
  Window().move(30, 40);
  Window().resize(900, 700);
  const QRect place = Window().geometry();
  const WId id = Window().winId();
  const std::tuple<Page*, Page*, const char*, const char*, const char*> steps[] = {
      {Start(), Editor(), "bbContinue", "AddFilesIntro.htm", "Create Song Profile - Alpha[*]"},
      {Editor(), Programming(), nullptr, "ProgramPage1.htm", "Program Vantora"},
      {Programming(), Editor(), "bbPrevious", "AddFilesIntro.htm", "Create Song Profile - Alpha[*]"},
      {Editor(), Start(), "bbPrevious", "Introduction.htm", "Welcome"}};
  std::filesystem::create_directory(ProgramFolder() + "Profiles");
  WriteFile(ProgramFolder() + "Profiles/Alpha.qvt", "[Profile]\r\nID=4\r\nNumButtons=2\r\n");
  Editor()->Profiles().Selection().ListProfiles();
  for (const auto& [from, to, button, helpPage, caption] : steps) {
    SCOPED_TRACE(to->objectName().toStdString());
    Find<QTextBrowser>(to, "WebInfo")->setSource(QUrl::fromLocalFile(ProgramPath("Other.htm")));
    // Next of the editor, once its checks passed, is its request to the flow.
    button ? Click(from, button) : emit Editor()->NextRequested();
    EXPECT_TRUE(!from->isVisible() && to->isVisible());
    EXPECT_EQ(Window().geometry(), place) << "the window stays where and as large as it was";
    EXPECT_EQ(Window().winId(), id);
    EXPECT_EQ(Window().windowTitle(), caption);
    EXPECT_EQ(ShownPage(to), helpPage);
  }
  EXPECT_EQ(label3->text(), "") << "hiding the programming page clears its result line";

  Window().resize(700, 500);
  EXPECT_EQ(Window().frameGeometry().size(), QSize(800, 600));
  const int frameHeight = Window().frameGeometry().height() - Window().height();
  Window().resize(700, 900);
  EXPECT_EQ(Window().frameGeometry().size(), QSize(800, 900 + frameHeight));
  Window().resize(1000, 800);
  QCoreApplication::processEvents();
  const QRect next = Find(Start(), "bbContinue")->geometry();
  EXPECT_NEAR(next.center().x(), Start()->width() / 2, 2) << "NEXT stays in the middle";
  EXPECT_GT(next.top(), Find(Start(), "Panel1")->geometry().bottom()) << "below the help";

  for (bool attached : {false, true, false}) {
    unit->Attach(attached);
    Probe();
    EXPECT_EQ(label8->text(), attached ? "Programmer Ready" : "Programmer Not Found");
    EXPECT_EQ(StatusColour(label8), attached ? SuccessColour : FailureColour);
  }

  // A probe whose close fails leaves the handle open: the end of the
  // program closes it.
  unit->Attach(true);
  unit->InjectFault(CmdIdentifySlot, SimulatedFault::Silent, 0);
  unit->FailClose(true);
  Probe();
  ASSERT_TRUE(unit->IsOpen());
  unit->FailClose(false);
  Window().close();
  EXPECT_EQ(endRequests, 1) << "closing the window ends the program";
  vantora.reset();
  EXPECT_FALSE(unit->IsOpen());
}
