#include "programming/ProgrammingPage.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <memory>

#include "app/StartPage.h"
#include "app/StatusText.h"
#include "app/VantoraApplication.h"
#include "device/SimulatedUnit.h"
#include "device/WireCommands.h"
#include "editor/ProfileEditor.h"
#include "support/GatedDriver.h"
#include "support/ManualClock.h"
#include "support/ScriptedPrompts.h"
#include "support/SongFolder.h"

// Readable failure messages for the texts of the page.
void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace {

constexpr int RunTimeoutMs = 10000;

template <typename Control>
Control* Find(QWidget* page, const char* name) {
  Control* control = page->findChild<Control*>(QString::fromLatin1(name));
  EXPECT_NE(control, nullptr) << name;
  return control;
}

void Click(QWidget* page, const char* buttonName) {
  QTest::mouseClick(Find<QPushButton>(page, buttonName), Qt::LeftButton);
}

// The whole program on the simulated unit of --simulate, reached through a
// gate that can hold a programming run in the middle.
class ProgrammingPageTest : public ::testing::Test {
 protected:
  ProgrammingPageTest() : unit(SimulatedUnit::StandardUnit()), gate(*unit) {
    ports = std::make_unique<AppPorts>(
        AppPorts{gate, clock, prompts, programFolder.path().toStdString() + "/",
                 [this] { ++endRequests; }, [](const QUrl&) { return true; }});
  }
  // A run held at the gate must not outlive the test.
  ~ProgrammingPageTest() override { gate.Open(); }

  void StartProgram() {
    vantora = std::make_unique<VantoraApplication>(*ports);
    vantora->ShowStartPage();
    form1 = vantora->Pages().Form1;
  }

  ProgramListRow Song(const std::string& name, std::size_t size, int button) {
    songs.Write(name, size);
    return {name, std::to_string(size), button, songs.Directory()};
  }

  // Presses Program and waits for the run to end.
  void Program(ProgrammingPage* page) {
    QSignalSpy ended(page, &ProgrammingPage::ProgrammingEnded);
    Click(page, "bbProgram");
    ASSERT_TRUE(ended.wait(RunTimeoutMs));
  }

  bool ProbedSince(std::size_t writes) const {
    const auto& sent = unit->Traffic().Writes;
    return std::find(sent.begin() + writes, sent.end(),
                     std::vector<std::uint8_t>{CmdIdentifySlot, 0}) != sent.end();
  }

  QTemporaryDir programFolder;
  SongFolder songs;
  std::unique_ptr<SimulatedUnit> unit;
  GatedDriver gate;
  ManualClock clock;
  ScriptedPrompts prompts;
  std::unique_ptr<AppPorts> ports;
  std::unique_ptr<VantoraApplication> vantora;
  ProgrammingPage* form1 = nullptr;
  int endRequests = 0;
};

}  // namespace

TEST(SecondsTextTest, ShortestDecimalForm) {
  EXPECT_EQ(SecondsText(2500), "2.5");
  EXPECT_EQ(SecondsText(3000), "3");
  EXPECT_EQ(SecondsText(1), "0.001");
  EXPECT_EQ(SecondsText(1234567), "1234.567");
}

TEST_F(ProgrammingPageTest, ProgramListShowsEverySoundWithTheNumberOfItsButton) {
  StartProgram();
  auto* list = Find<QTreeWidget>(form1, "ListView1");
  // Btn2 is present but empty: the rows of Btn3 still read 3.
  form1->FillProgramList({Song("a.mp3", 1000, 1), Song("b.wav", 2000, 1), Song("c.mp3", 300, 3)},
                         "Party");
  ASSERT_EQ(list->topLevelItemCount(), 3);
  const QTreeWidgetItem* last = list->topLevelItem(2);
  EXPECT_EQ(last->text(0), "c.mp3");
  EXPECT_EQ(last->text(1), "300");
  EXPECT_EQ(last->text(2), "3");
  EXPECT_EQ(last->textAlignment(2), Qt::AlignCenter);
  EXPECT_EQ(form1->ProfileName(), "Party");

  form1->FillProgramList({Song("d.mp3", 5, 2)}, "Quiet");
  ASSERT_EQ(list->topLevelItemCount(), 1);
  EXPECT_EQ(list->topLevelItem(0)->text(2), "2");
  EXPECT_EQ(form1->ProfileName(), "Quiet");
}

TEST_F(ProgrammingPageTest, ProgramWithoutAUnitOnlyAsksForIt) {
  unit->Attach(false);
  StartProgram();
  form1->FillProgramList({Song("a.mp3", 1000, 1)}, "Party");
  form1->show();
  Click(form1, "bbProgram");
  auto* label3 = Find<QLabel>(form1, "Label3");
  EXPECT_EQ(label3->text(), "Vantora Must Be Connected");
  EXPECT_EQ(StatusColour(label3), FailureColour);
  EXPECT_TRUE(Find<QTimer>(form1, "Timer1")->isActive());
  EXPECT_EQ(Find<QPushButton>(form1, "bbProgram")->accessibleName(), "Program");
  EXPECT_EQ(unit->Traffic().OpenCalls, 0);
}

TEST_F(ProgrammingPageTest, DuringARunThePageFollowsItWhileNoPageTakesInput) {
  StartProgram();
  ShowInPlaceOf(form1, vantora->Pages().Form3);
  form1->FillProgramList({Song("long.wav", 10000, 1)}, "Party");
  auto* label3 = Find<QLabel>(form1, "Label3");
  label3->setText("ERROR -8.");
  auto* progressBar = Find<QProgressBar>(form1, "ProgressBar1");
  QSignalSpy progress(progressBar, &QProgressBar::valueChanged);
  QSignalSpy ended(form1, &ProgrammingPage::ProgrammingEnded);
  clock.Now = 1000;
  gate.CloseAt(CmdReadMemory);

  Click(form1, "bbProgram");
  ASSERT_TRUE(gate.WaitUntilReached());
  QCoreApplication::processEvents();
  EXPECT_EQ(progressBar->value(), 100) << "the page shows the reports while the run goes on";
  EXPECT_EQ(label3->text(), "");
  EXPECT_FALSE(Find<QTimer>(form1, "Timer1")->isActive());
  Click(form1, "bbPrevious");
  EXPECT_TRUE(form1->isVisible());
  form1->close();
  vantora->Pages().fStart->close();
  EXPECT_TRUE(form1->isVisible());
  EXPECT_EQ(endRequests, 0);

  clock.Now += 2875;  // the run takes 3000 ms with its pause of 125 ms
  const std::size_t writesBeforeEnd = unit->Traffic().Writes.size();
  gate.Open();
  ASSERT_TRUE(ended.wait(RunTimeoutMs));
  EXPECT_EQ(label3->text(), "Success! 3 seconds");
  EXPECT_EQ(StatusColour(label3), SuccessColour);
  QList<int> values;
  for (const QList<QVariant>& change : progress) values.append(change.first().toInt());
  EXPECT_EQ(values, (QList<int>{40, 81, 100, 0})) << "one step per 4096-byte piece, then back to 0";
  EXPECT_TRUE(Find<QTimer>(form1, "Timer1")->isActive());
  EXPECT_TRUE(ProbedSince(writesBeforeEnd));
  EXPECT_EQ(form1->ProgramButtonImage(), ProgrammingPage::FinishMode);
  EXPECT_EQ(Find<QPushButton>(form1, "bbProgram")->accessibleName(), "Finish");

  Click(form1, "bbProgram");
  EXPECT_EQ(endRequests, 1) << "FINISH ends the application";
}

TEST_F(ProgrammingPageTest, FailedRunShowsItsErrorAndARepeatStartsAgainFromTheFirstMemory) {
  StartProgram();
  ShowInPlaceOf(form1, vantora->Pages().Form3);
  form1->FillProgramList({Song("a.mp3", 1000, 1), Song("b.mp3", 2000, 2)}, "Party");
  unit->InjectFault(CmdBeginMemory, SimulatedFault::Refused, std::nullopt, 1);
  const std::size_t writesBeforeRun = unit->Traffic().Writes.size();
  Program(form1);
  auto* label3 = Find<QLabel>(form1, "Label3");
  EXPECT_EQ(label3->text(), "ERROR -8.");
  EXPECT_EQ(StatusColour(label3), FailureColour);
  EXPECT_EQ(form1->ProgramButtonImage(), ProgrammingPage::ProgramMode);
  EXPECT_EQ(Find<QProgressBar>(form1, "ProgressBar1")->value(), 0);
  EXPECT_TRUE(Find<QTimer>(form1, "Timer1")->isActive());
  EXPECT_TRUE(ProbedSince(writesBeforeRun));

  Program(form1);
  EXPECT_TRUE(label3->text().startsWith("Success! "));
  EXPECT_EQ(form1->ProgramButtonImage(), ProgrammingPage::FinishMode);

  Click(form1, "bbPrevious");
  EXPECT_TRUE(vantora->Pages().Form3->isVisible());
  EXPECT_EQ(form1->ProgramButtonImage(), ProgrammingPage::ProgramMode);
  EXPECT_EQ(Find<QPushButton>(form1, "bbProgram")->accessibleName(), "Program");
  ShowInPlaceOf(form1, vantora->Pages().Form3);
  EXPECT_EQ(label3->text(), "");
}

TEST_F(ProgrammingPageTest, ShowingThePageTakesTheEditorsSoundsAndProgramsTheProfilesNumber) {
  QDir(programFolder.path()).mkdir("Profiles");
  songs.Write("a.mp3", 1000);
  songs.Write("c.wav", 3000);
  QFile profile(programFolder.path() + "/Profiles/Party.qvt");
  ASSERT_TRUE(profile.open(QIODevice::WriteOnly));
  const std::string folder = songs.Directory();
  profile.write(
      ("[Profile]\r\nID=7\r\nNumButtons=3\r\n[Button0]\r\nNumSounds=1\r\nSound0=" + folder +
       "a.mp3\r\n[Button1]\r\nNumSounds=0\r\n[Button2]\r\nNumSounds=1\r\n"
       "Sound0=" +
       folder + "c.wav\r\n")
          .c_str());
  profile.close();
  StartProgram();
  ShowInPlaceOf(vantora->Pages().Form3, vantora->Pages().fStart);
  ShowInPlaceOf(form1, vantora->Pages().Form3);

  auto* list = Find<QTreeWidget>(form1, "ListView1");
  ASSERT_EQ(list->topLevelItemCount(), 2);
  EXPECT_EQ(list->topLevelItem(0)->text(0), "a.mp3");
  EXPECT_EQ(list->topLevelItem(0)->text(2), "1");
  EXPECT_EQ(list->topLevelItem(1)->text(1), "3000");
  EXPECT_EQ(list->topLevelItem(1)->text(2), "3") << "the button's own number, not a count";
  EXPECT_EQ(form1->ProfileName(), "Party");
  Program(form1);
  EXPECT_EQ(form1->Status().Slots[0].ProfileNumber, 7) << "the unit was probed afresh";
}

TEST_F(ProgrammingPageTest, ProgramButtonImageIsClampedToItsTwoFaces) {
  StartProgram();
  form1->SetProgramButtonImage(5);
  EXPECT_EQ(form1->ProgramButtonImage(), ProgrammingPage::FinishMode);
  form1->SetProgramButtonImage(-3);
  EXPECT_EQ(form1->ProgramButtonImage(), ProgrammingPage::ProgramMode);
}

TEST_F(ProgrammingPageTest, RightButtonReleasesShowTheHelpOfWhatIsUnderThem) {
  QDir(programFolder.path()).mkdir("Web");
  for (const char* page : {"ProgramPage1.htm", "ProgramProgressBar.htm", "ProgramListView.htm"}) {
    QFile file(programFolder.path() + "/Web/" + page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<p>help</p>");
  }
  StartProgram();
  form1->show();
  QTextBrowser* help = Find<QTextBrowser>(form1, "WebInfo");
  const auto shown = [help] { return help->source().fileName(); };
  EXPECT_EQ(shown(), "ProgramPage1.htm");

  QWidget* viewport = Find<QTreeWidget>(form1, "ListView1")->viewport();
  QTest::mouseClick(viewport, Qt::LeftButton);
  EXPECT_EQ(shown(), "ProgramPage1.htm");
  QTest::mouseClick(viewport, Qt::RightButton);
  EXPECT_EQ(shown(), "ProgramListView.htm");
  QTest::mouseClick(Find<QProgressBar>(form1, "ProgressBar1"), Qt::RightButton);
  EXPECT_EQ(shown(), "ProgramProgressBar.htm");
  QTest::mouseClick(Find<QLabel>(form1, "Label3"), Qt::RightButton);
  EXPECT_EQ(shown(), "ProgramProgressBar.htm") << "a label is not the page's free area";
  QTest::mouseClick(form1->centralWidget(), Qt::RightButton, {}, QPoint(200, 488));
  EXPECT_EQ(shown(), "ProgramPage1.htm");
}
