#include "programming/ProgrammingPage.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

#include "app/StartPage.h"
#include "app/StatusText.h"
#include "app/VantoraApplication.h"
#include "device/SimulatedUnit.h"
#include "device/WireCommands.h"
#include "editor/ProfileEditor.h"
#include "support/GatedDriver.h"
#include "support/ManualClock.h"
#include "support/ScriptedPrompts.h"
#include "support/SignalWait.h"
#include "support/SongFolder.h"

// Readable failure messages for the texts of the page.
void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace {

// The whole program on the simulated unit of --simulate, reached through a
// gate that can hold a programming run in the middle.
class ProgrammingPageTest : public ::testing::Test {
 protected:
  ~ProgrammingPageTest() override { gate.Open(); }  // a held run must not outlive the test

  void StartProgram() {
    vantora = std::make_unique<VantoraApplication>(ports);
    QSignalSpy firstProbe(&vantora->Device(), &DeviceThread::UnitProbed);
    vantora->ShowStartPage();
    form1 = vantora->Pages().Form1;
    ASSERT_TRUE(firstProbe.wait(10000)) << "the page's first probe";
  }
  void WriteFile(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(folder + path).parent_path());
    std::ofstream(folder + path, std::ios::binary) << text;
  }
  template <typename Control>
  Control* Find(const char* name) {
    return form1->findChild<Control*>(QString::fromLatin1(name));
  }
  void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }

  QTemporaryDir programFolder;
  const std::string folder = programFolder.path().toStdString() + "/";
  SongFolder songs;
  std::unique_ptr<SimulatedUnit> unit = SimulatedUnit::StandardUnit();
  GatedDriver gate{*unit};
  ManualClock clock;
  ScriptedPrompts prompts;
  int endRequests = 0;
  AppPorts ports{gate,
                 clock,
                 prompts,
                 folder,
                 folder + "Profiles/",
                 [this] { ++endRequests; },
                 [](const QUrl&) { return true; }};
  std::unique_ptr<VantoraApplication> vantora;
  ProgrammingPage* form1 = nullptr;
};

}  // namespace

TEST_F(ProgrammingPageTest, WithoutAUnitProgramOnlyAsksForItAndRightClicksShowHelp) {
  for (const char* page : {"ProgramPage1.htm", "ProgramProgressBar.htm", "ProgramListView.htm"}) {
    WriteFile(std::string("Web/") + page, "<p>help</p>");
  }
  unit->Attach(false);
  StartProgram();
  form1->show();
  Click("bbProgram");
  auto* label3 = Find<QLabel>("Label3");
  EXPECT_EQ(label3->text(), "Vantora Must Be Connected");
  EXPECT_EQ(StatusColour(label3), FailureColour);
  EXPECT_TRUE(Find<QTimer>("Timer1")->isActive());

  const auto helpAfter = [this](QWidget* widget, Qt::MouseButton button, QPoint at = {}) {
    QTest::mouseClick(widget, button, {}, at);
    return Find<QTextBrowser>("WebInfo")->source().fileName();
  };
  QWidget* list = Find<QTreeWidget>("ListView1")->viewport();
  EXPECT_EQ(helpAfter(list, Qt::LeftButton), "ProgramPage1.htm");
  EXPECT_EQ(helpAfter(list, Qt::RightButton), "ProgramListView.htm");
  EXPECT_EQ(helpAfter(Find<QProgressBar>("ProgressBar1"), Qt::RightButton),
            "ProgramProgressBar.htm");
  EXPECT_EQ(helpAfter(label3, Qt::RightButton), "ProgramProgressBar.htm")
      << "a label is not the page's free area";
  EXPECT_EQ(helpAfter(form1->centralWidget(), Qt::RightButton, {200, 488}), "ProgramPage1.htm");
}

TEST_F(ProgrammingPageTest, ProgramsTheEditorsSoundsAndShowsHowEachRunEnded) {
  songs.Write("a.mp3", 5000);
  songs.Write("c.wav", 5000);
  const std::string sound = "\r\nNumSounds=1\r\nSound0=" + songs.Directory();
  WriteFile("Profiles/Party.qvt", "[Profile]\r\nID=7\r\nNumButtons=3\r\n[Button0]" + sound +
                                      "a.mp3\r\n[Button1]\r\nNumSounds=0\r\n[Button2]" + sound +
                                      "c.wav\r\n");
  StartProgram();
  ShowInPlaceOf(vantora->Pages().Form3, vantora->Pages().fStart);
  ShowInPlaceOf(form1, vantora->Pages().Form3);
  auto* list = Find<QTreeWidget>("ListView1");
  ASSERT_EQ(list->topLevelItemCount(), 2);
  EXPECT_EQ(list->topLevelItem(0)->text(0), "a.mp3");
  EXPECT_EQ(list->topLevelItem(1)->text(1), "5000");
  EXPECT_EQ(list->topLevelItem(1)->text(2), "3") << "the button's own number, not a count";
  EXPECT_EQ(form1->ProfileName(), "Party");

  auto* label3 = Find<QLabel>("Label3");
  auto* timer = Find<QTimer>("Timer1");
  auto* progressBar = Find<QProgressBar>("ProgressBar1");
  timer->stop();  // no tick may probe while the test changes the unit
  QSignalSpy ended(form1, &ProgrammingPage::ProgrammingEnded);
  QSignalSpy probed(&vantora->Device(), &DeviceThread::UnitProbed);
  unit->InjectFault(CmdBeginMemory, SimulatedFault::Refused, std::nullopt, 1);
  Click("bbProgram");
  ASSERT_TRUE(ended.wait(10000));
  EXPECT_EQ(label3->text(), "ERROR -8.");
  EXPECT_EQ(StatusColour(label3), FailureColour);
  EXPECT_TRUE(timer->isActive());
  ASSERT_TRUE(Arrived(probed)) << "the unit is probed afresh after the run";
  EXPECT_EQ(unit->Traffic().Writes.back(), (std::vector<std::uint8_t>{CmdReadButtonCount, 0}));

  // Again, held in the middle: the page follows the run while no page takes input.
  QSignalSpy progress(progressBar, &QProgressBar::valueChanged);
  clock.Now = 1000;
  gate.CloseAt(CmdReadMemory);
  Click("bbProgram");
  ASSERT_TRUE(gate.WaitUntilReached());
  QCoreApplication::processEvents();
  EXPECT_EQ(progressBar->value(), 100) << "the page shows the reports while the run goes on";
  EXPECT_EQ(label3->text(), "");
  EXPECT_FALSE(timer->isActive());
  Click("bbPrevious");
  form1->close();
  vantora->Pages().fStart->close();
  EXPECT_TRUE(form1->isVisible());
  EXPECT_EQ(endRequests, 0);
  clock.Now += 2875;  // the run takes 3000 ms with its pause of 125 ms
  gate.Open();
  ASSERT_TRUE(ended.wait(10000));
  EXPECT_EQ(label3->text(), "Success! 3 seconds");
  EXPECT_EQ(StatusColour(label3), SuccessColour);
  QList<int> values;
  for (const QList<QVariant>& change : progress) values.append(change.first().toInt());
  EXPECT_EQ(values, (QList<int>{40, 81, 100, 0})) << "one step per 4096-byte piece, then back to 0";
  EXPECT_TRUE(timer->isActive());
  ASSERT_TRUE(Arrived(probed, 2));
  EXPECT_EQ(vantora->Unit().Status().Slots[0].ProfileNumber, 7) << "the unit was probed afresh";
  EXPECT_EQ(Find<QPushButton>("bbProgram")->accessibleName(), "Finish");

  Click("bbProgram");
  EXPECT_EQ(endRequests, 1) << "FINISH ends the application";
  Click("bbPrevious");
  EXPECT_TRUE(vantora->Pages().Form3->isVisible());
  EXPECT_EQ(Find<QPushButton>("bbProgram")->accessibleName(), "Program");
  form1->SetProgramButtonImage(5);
  EXPECT_EQ(form1->ProgramButtonImage(), ProgrammingPage::FinishMode);
  form1->SetProgramButtonImage(-3);
  EXPECT_EQ(form1->ProgramButtonImage(), ProgrammingPage::ProgramMode);
  ShowInPlaceOf(form1, vantora->Pages().Form3);
  EXPECT_EQ(label3->text(), "");
  EXPECT_EQ(list->topLevelItemCount(), 2) << "the list is filled afresh";
  form1->FillProgramList({}, "Quiet");
  EXPECT_EQ(form1->ProfileName(), "Quiet");
}

TEST_F(ProgrammingPageTest, RowsThatDoNotFitAreGreyedAndTheRunSaysItLeftThemOut) {
  songs.Write("a.mp3", 1000);
  songs.Write("big.wav", 2100000);  // larger than either memory
  songs.Write("c.mp3", 1000);       // fits, but comes after a sound that does not
  const std::string sounds =
      "\r\nSound0=" + songs.Directory() + "a.mp3\r\nSound1=" + songs.Directory() + "big.wav\r\n";
  WriteFile("Profiles/Hall.qvt",
            "[Profile]\r\nID=3\r\nNumButtons=2\r\n[Button0]\r\nNumSounds=2" + sounds +
                "[Button1]\r\nNumSounds=1\r\nSound0=" + songs.Directory() + "c.mp3\r\n");
  StartProgram();
  ShowInPlaceOf(vantora->Pages().Form3, vantora->Pages().fStart);
  ShowInPlaceOf(form1, vantora->Pages().Form3);
  auto* list = Find<QTreeWidget>("ListView1");
  ASSERT_EQ(list->topLevelItemCount(), 3);
  const QColor greyed = list->palette().color(QPalette::Disabled, QPalette::Text);
  for (int row = 0; row < 3; ++row) {
    const QTreeWidgetItem* item = list->topLevelItem(row);
    const bool fits = row == 0;
    for (int column = 0; column < 3; ++column) {
      EXPECT_EQ(item->toolTip(column), fits ? "" : "Does not fit in the unit's memory") << row;
      EXPECT_EQ(item->data(column, Qt::ForegroundRole).value<QColor>() == greyed, !fits) << row;
    }
  }

  Find<QTimer>("Timer1")->stop();
  QSignalSpy ended(form1, &ProgrammingPage::ProgrammingEnded);
  unit->ClearTraffic();
  Click("bbProgram");
  ASSERT_TRUE(ended.wait(10000));
  EXPECT_EQ(Find<QLabel>("Label3")->text(),
            "Success! 0.125 seconds (2 sounds did not fit and were not written)");
  std::vector<int> songCounts;
  for (const std::vector<std::uint8_t>& write : unit->Traffic().Writes) {
    if (write[0] == CmdMemoryHeader) songCounts.push_back(write[2]);
  }
  EXPECT_EQ(songCounts, std::vector<int>{1}) << "only the sound that fits is written";
}

TEST_F(ProgrammingPageTest, ClosingThePageDuringAProbeClosesTheLinkOnceTheProbeHasEnded) {
  StartProgram();
  Find<QTimer>("Timer1")->stop();
  gate.CloseAt(CmdReadVersion);
  vantora->Device().RequestForceProbe();
  ASSERT_TRUE(gate.WaitUntilReached());
  form1->close();
  EXPECT_EQ(endRequests, 1);
  // The pages go while the probe is held; its snapshot then has no page to reach.
  QObject::connect(form1, &QObject::destroyed, [this] { gate.Open(); });
  vantora.reset();
  EXPECT_FALSE(unit->IsOpen());
}
