#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>

#include "application/AppFixture.h"
#include "widgets/StatusText.h"
#include "device/ProgrammerLock.h"
#include "device/WireCommands.h"
#include "support/ProfileFiles.h"
#include "support/SignalWait.h"
#include "support/SongFolder.h"
#include "support/TemporaryFolder.h"

// The whole program on the simulated unit of --simulate, on its programming page.
class ProgrammingPageTest : public AppFixture {
 protected:
  void StartProgram() {
    AppFixture::StartProgram();
    form1 = Programming();
  }
  // A profile in the program folder, written before the program starts.
  void WriteProfile(const std::string& name, const std::string& text) {
    std::filesystem::create_directory(ProgramFolder() + "Profiles");
    WriteFile(ProgramFolder() + "Profiles/" + name + ".qvt", text);
  }

  // A profile of one sound of `size` bytes, on the programming page.
  void ShowOneSoundProfile(std::size_t size = 20000) {
    songs.Write("a.wav", size);
    WriteProfile("Hall", ProfileText(7, {{songs.Directory() + "a.wav"}}));
    StartProgram();
    GoToEditor();
    emit Editor()->NextRequested();  // as Next does once its checks passed
  }
  // A click as the window system delivers it: to the window first, past
  // every filter of the application, then to the control under the pointer.
  void ClickOnWindow(QWidget* control) {
    QTest::mouseClick(Window().windowHandle(), Qt::LeftButton, {},
                      control->mapTo(&Window(), control->rect().center()));
  }
  // Clicks PROGRAM and holds the run where it is about to send `command`.
  void StartHeldRun(std::uint8_t command) {
    gate->CloseAt(command);
    ClickOnWindow(Find<QPushButton>(form1, "bbProgram"));
    ASSERT_TRUE(gate->WaitUntilReached());
    QCoreApplication::processEvents();
  }
  // The run's end and the probe that follows every run: the device thread
  // writes to the simulated unit until then, and its traffic may be read
  // only once it is still.
  bool EndedAndProbed(QSignalSpy& ended, int count = 1) {
    if (!Arrived(ended, count)) return false;
    QSignalSpy probed(&vantora->Unit(), &UnitStatusHolder::Stored);
    return probed.wait(10000);
  }
  std::size_t SongDataWrites() const {
    return static_cast<std::size_t>(std::ranges::count_if(
        unit->Traffic().Writes, [](const auto& write) { return write.size() > 16; }));
  }

  SongFolder songs;
  ProgrammingPage* form1 = nullptr;
};

namespace {

const char StoppedText[] = "Stopped: the unit holds an incomplete profile. Program it again.";

}  // namespace

TEST_F(ProgrammingPageTest, WithoutAUnitProgramOnlyAsksForItAndRightClicksShowHelp) {
  std::filesystem::create_directory(ProgramFolder() + "Web");
  for (const char* page : {"ProgramPage1.htm", "ProgramProgressBar.htm", "ProgramListView.htm"})
    WriteFile(ProgramFolder() + "Web/" + page, "<p>help</p>");
  unit->Attach(false);
  StartProgram();
  Find<QTimer>(form1, "Timer1")->start();  // as the page started it
  form1->show();
  Click(form1, "bbProgram");
  auto* label3 = Find<QLabel>(form1, "Label3");
  EXPECT_EQ(label3->text(), "Vantora Must Be Connected");
  EXPECT_EQ(StatusColour(label3), FailureColour);
  EXPECT_TRUE(Find<QTimer>(form1, "Timer1")->isActive());

  const auto helpAfter = [this](QWidget* widget, Qt::MouseButton button, QPoint at = {}) {
    QTest::mouseClick(widget, button, {}, at);
    return ShownPage(form1);
  };
  QWidget* list = Find<QTreeWidget>(form1, "ListView1")->viewport();
  EXPECT_EQ(helpAfter(list, Qt::LeftButton), "ProgramPage1.htm");
  EXPECT_EQ(helpAfter(list, Qt::RightButton), "ProgramListView.htm");
  EXPECT_EQ(helpAfter(Find<QProgressBar>(form1, "ProgressBar1"), Qt::RightButton),
            "ProgramProgressBar.htm");
  EXPECT_EQ(helpAfter(label3, Qt::RightButton), "ProgramProgressBar.htm")
      << "a label is not the page's free area";
  EXPECT_EQ(helpAfter(form1, Qt::RightButton, FreeArea(form1)), "ProgramPage1.htm");
}

TEST_F(ProgrammingPageTest, ProgramsTheEditorsSoundsAndShowsHowEachRunEnded) {
  songs.Write("a.mp3", 5000);
  songs.Write("c.wav", 5000);
  WriteProfile("Party",
               ProfileText(7, {{songs.Directory() + "a.mp3"}, {}, {songs.Directory() + "c.wav"}}));
  StartProgram();
  GoToEditor();
  emit Editor()->NextRequested();  // as Next does once its checks passed
  auto* list = Find<QTreeWidget>(form1, "ListView1");
  ASSERT_EQ(list->topLevelItemCount(), 2);
  EXPECT_EQ(list->topLevelItem(0)->text(0), "a.mp3");
  EXPECT_EQ(list->topLevelItem(1)->text(1), "5,000");
  EXPECT_EQ(list->topLevelItem(1)->text(3), "3") << "the button's own number, not a count";
  EXPECT_EQ(form1->ProfileName(), "Party");

  auto* label3 = Find<QLabel>(form1, "Label3");
  auto* timer = Find<QTimer>(form1, "Timer1");
  auto* progressBar = Find<QProgressBar>(form1, "ProgressBar1");
  QSignalSpy ended(form1, &ProgrammingPage::ProgrammingEnded);
  QSignalSpy probed(&vantora->Unit(), &UnitStatusHolder::Stored);
  unit->InjectFault(CmdBeginMemory, SimulatedFault::Refused, std::nullopt, 1);
  Click(form1, "bbProgram");
  ASSERT_TRUE(ended.wait(10000));
  EXPECT_EQ(label3->text(), "ERROR -8.");
  EXPECT_EQ(StatusColour(label3), FailureColour);
  EXPECT_TRUE(timer->isActive());
  ASSERT_TRUE(Arrived(probed)) << "the unit is probed afresh after the run";
  EXPECT_EQ(unit->Traffic().Writes.back(), (std::vector<std::uint8_t>{CmdReadButtonCount, 0}));

  // Again, held in the middle: the page follows the run while no page takes input.
  QSignalSpy progress(progressBar, &QProgressBar::valueChanged);
  clock.Now = 1000;
  gate->CloseAt(CmdReadMemory);
  Click(form1, "bbProgram");
  ASSERT_TRUE(gate->WaitUntilReached());
  QCoreApplication::processEvents();
  EXPECT_EQ(progressBar->value(), 49) << "written, and nothing read back yet";
  EXPECT_EQ(label3->text(), "Verifying\u2026");
  EXPECT_FALSE(timer->isActive());
  Click(form1, "bbPrevious");
  EXPECT_TRUE(form1->isVisible());
  clock.Now += 2875;  // the run takes 3000 ms with its pause of 125 ms
  gate->Open();
  ASSERT_TRUE(ended.wait(10000));
  EXPECT_EQ(label3->text(), "Success! 3 seconds");
  EXPECT_EQ(StatusColour(label3), SuccessColour);
  std::vector<int> values;
  for (const QList<QVariant>& change : progress) values.push_back(change.first().toInt());
  ASSERT_GE(values.size(), 3u);
  EXPECT_EQ(values.front(), 20) << "the first piece of 4096 bytes, of 20,000 written and read";
  EXPECT_EQ(values.end()[-2], 100);
  EXPECT_EQ(values.back(), 0) << "back to 0 once the result shows";
  EXPECT_TRUE(std::is_sorted(values.begin(), values.end() - 1)) << "over the whole run";
  EXPECT_TRUE(timer->isActive());
  ASSERT_TRUE(Arrived(probed, 2));
  EXPECT_EQ(vantora->Unit().Status().Slots[0].ProfileNumber, 7) << "the unit was probed afresh";
  EXPECT_EQ(Find<QPushButton>(form1, "bbProgram")->accessibleName(), "Finish");

  Click(form1, "bbProgram");
  EXPECT_EQ(endRequests, 1) << "FINISH ends the application";
  Click(form1, "bbPrevious");
  EXPECT_TRUE(Editor()->isVisible());
  EXPECT_EQ(Find<QPushButton>(form1, "bbProgram")->accessibleName(), "Program");
  form1->SetProgramButtonImage(5);
  EXPECT_EQ(form1->ProgramButtonImage(), ProgrammingPage::FinishMode);
  form1->SetProgramButtonImage(-3);
  EXPECT_EQ(form1->ProgramButtonImage(), ProgrammingPage::ProgramMode);
  emit Editor()->NextRequested();  // as Next does once its checks passed
  EXPECT_EQ(label3->text(), "");
  EXPECT_EQ(list->topLevelItemCount(), 2) << "the list is filled afresh";
}

TEST_F(ProgrammingPageTest, RowsThatDoNotFitAreGreyedAndTheRunSaysItLeftThemOut) {
  songs.Write("a.mp3", 1000);
  songs.Write("big.wav", 2100000);  // larger than either memory
  songs.Write("c.mp3", 1000);       // fits, but comes after a sound that does not
  const std::string at = songs.Directory();
  WriteProfile("Hall", ProfileText(3, {{at + "a.mp3", at + "big.wav"}, {at + "c.mp3"}}));
  StartProgram();
  GoToEditor();
  emit Editor()->NextRequested();  // as Next does once its checks passed
  auto* list = Find<QTreeWidget>(form1, "ListView1");
  ASSERT_EQ(list->topLevelItemCount(), 3);
  const QColor greyed = list->palette().color(QPalette::Disabled, QPalette::Text);
  const QString tips[] = {
      "",
      "Does not fit: each sound must fit into one memory of the unit (the largest holds "
      "2,097,151 bytes).",
      "Left out: sounds go into the unit in their order, and one before it fits in no memory "
      "(big.wav was the first that did not fit)."};
  for (int row = 0; row < 3; ++row) {
    const QTreeWidgetItem* item = list->topLevelItem(row);
    const bool fits = row == 0;
    for (int column = 0; column < 4; ++column) {
      EXPECT_EQ(item->toolTip(column), tips[row]) << row;
      EXPECT_EQ(item->data(column, Qt::ForegroundRole).value<QColor>() == greyed, !fits) << row;
    }
  }

  QSignalSpy ended(form1, &ProgrammingPage::ProgrammingEnded);
  QSignalSpy probed(&vantora->Unit(), &UnitStatusHolder::Stored);
  unit->ClearTraffic();
  Click(form1, "bbProgram");
  ASSERT_TRUE(ended.wait(10000));
  ASSERT_TRUE(Arrived(probed)) << "the probe after the run: the wire is quiet from then on";
  const QLabel* result = Find<QLabel>(form1, "Label3");
  EXPECT_EQ(result->text(),
            "Success! 0.125 seconds (2 sounds did not fit and were not written)\n"
            "Btn2 has no sound on the unit");
  EXPECT_EQ(StatusColour(result), PartialSuccessColour) << "no plain success";
  EXPECT_LE(result->heightForWidth(result->width()), result->height()) << "shown whole";
  std::vector<int> songCounts;
  for (const std::vector<std::uint8_t>& write : unit->Traffic().Writes) {
    if (write[0] == CmdMemoryHeader) songCounts.push_back(write[2]);
  }
  EXPECT_EQ(songCounts, std::vector<int>{1}) << "only the sound that fits is written";
}

TEST_F(ProgrammingPageTest, ClosingTheWindowDuringAProbeClosesTheLinkOnceTheProbeHasEnded) {
  StartProgram();
  gate->CloseAt(CmdReadVersion);
  vantora->Device().RequestForceProbe();
  ASSERT_TRUE(gate->WaitUntilReached());
  Window().close();
  EXPECT_EQ(endRequests, 1);
  // The pages go while the probe is held; its snapshot then has no page to reach.
  QObject::connect(form1, &QObject::destroyed, [this] { gate->Open(); });
  vantora.reset();
  EXPECT_FALSE(unit->IsOpen());
}

TEST_F(ProgrammingPageTest, StopClickedOnTheWindowStopsTheRunBeforeTheNextPiece) {
  ShowOneSoundProfile();
  auto* programButton = Find<QPushButton>(form1, "bbProgram");
  QSignalSpy ended(form1, &ProgrammingPage::ProgrammingEnded);
  StartHeldRun(CmdWriteDataWide);
  EXPECT_EQ(programButton->accessibleName(), "Stop");
  EXPECT_EQ(Find<QLabel>(form1, "Label3")->text(), "Writing\u2026");
  unit->ClearTraffic();
  ClickOnWindow(programButton);
  gate->Open();
  ASSERT_TRUE(EndedAndProbed(ended));
  EXPECT_EQ(Find<QLabel>(form1, "Label3")->text(), StoppedText);
  EXPECT_EQ(StatusColour(Find<QLabel>(form1, "Label3")), FailureColour);
  EXPECT_EQ(SongDataWrites(), 0u) << "no piece after the stop";
  EXPECT_EQ(programButton->accessibleName(), "Program");
  EXPECT_FALSE(unit->IsOpen());

  ClickOnWindow(programButton);
  ASSERT_TRUE(Arrived(ended, 2));
  EXPECT_EQ(Find<QLabel>(form1, "Label3")->text().left(8), "Success!") << "the next run succeeds";
}

TEST_F(ProgrammingPageTest, EscOnTheWindowAndSpaceOrEnterOnStopStopARun) {
  ShowOneSoundProfile();
  QSignalSpy ended(form1, &ProgrammingPage::ProgrammingEnded);
  int runs = 0;
  for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
    SCOPED_TRACE(QKeySequence(key).toString().toStdString());
    StartHeldRun(CmdWriteDataWide);
    unit->ClearTraffic();
    QTest::keyClick(Window().windowHandle(), key);
    gate->Open();
    ASSERT_TRUE(EndedAndProbed(ended, ++runs));
    EXPECT_EQ(Find<QLabel>(form1, "Label3")->text(), StoppedText);
    EXPECT_EQ(SongDataWrites(), 0u);
  }
}

TEST_F(ProgrammingPageTest, DuringARunNothingButStopTakesInput) {
  ShowOneSoundProfile();
  QSignalSpy ended(form1, &ProgrammingPage::ProgrammingEnded);
  auto* verify = Find<QCheckBox>(form1, "VerifyEveryByte");
  const auto heldControlsEnabled = [this] {
    QStringList enabled;
    for (const char* name : {"bbPrevious", "VerifyEveryByte", "ListView1", "Panel1"}) {
      if (Find<QWidget>(form1, name)->isEnabled()) enabled << name;
    }
    return enabled;
  };
  StartHeldRun(CmdWriteDataWide);
  EXPECT_EQ(heldControlsEnabled(), QStringList());
  ClickOnWindow(Find<QPushButton>(form1, "bbPrevious"));
  ClickOnWindow(verify);
  QTest::keyClick(Window().windowHandle(), Qt::Key_F1);
  QCoreApplication::processEvents();
  EXPECT_TRUE(form1->isVisible()) << "PREV is held";
  EXPECT_TRUE(verify->isChecked());
  EXPECT_TRUE(openedUrls.empty()) << "F1 is held";
  gate->Open();
  ASSERT_TRUE(Arrived(ended));
  EXPECT_EQ(heldControlsEnabled().size(), 4);
}

TEST_F(ProgrammingPageTest, DuringARunAClickWhereTheMenusStandAndTheirKeysOpenAndTriggerNothing) {
  ShowOneSoundProfile();
  // The page has no menu bar: the editor's, hidden with its page, stood
  // at the top of the window.
  QMenuBar* editorMenus = Editor()->MenuBar();
  const QPoint profilesMenu = editorMenus->mapTo(
      &Window(), editorMenus->actionGeometry(editorMenus->actions().first()).center());
  int triggered = 0;
  for (QAction* entry : Window().findChildren<QAction*>()) {
    QObject::connect(entry, &QAction::triggered, [&triggered] { ++triggered; });
  }
  QSignalSpy ended(form1, &ProgrammingPage::ProgrammingEnded);
  StartHeldRun(CmdWriteDataWide);
  for (const QMenuBar* menus : Window().findChildren<QMenuBar*>()) {
    EXPECT_FALSE(menus->isVisible() && menus->isEnabled())
        << menus->parent()->objectName().toStdString();
  }
  QTest::mouseClick(Window().windowHandle(), Qt::LeftButton, {}, profilesMenu);
  for (const QKeyCombination keys :
       {Qt::ALT | Qt::Key_P, Qt::ALT | Qt::Key_H, Qt::CTRL | Qt::Key_S, Qt::CTRL | Qt::Key_Z}) {
    QTest::keyClick(Window().windowHandle(), keys.key(), keys.keyboardModifiers());
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "no menu opens";
  EXPECT_EQ(triggered, 0);
  EXPECT_TRUE(form1->isVisible());

  unit->ClearTraffic();
  ClickOnWindow(Find<QPushButton>(form1, "bbProgram"));
  gate->Open();
  ASSERT_TRUE(Arrived(ended));
  EXPECT_EQ(Find<QLabel>(form1, "Label3")->text(), StoppedText) << "STOP still stops";
  EXPECT_EQ(SongDataWrites(), 0u);
}

TEST_F(ProgrammingPageTest, ClosingTheWindowDuringARunAsksAndStopsItOnlyOnYes) {
  ShowOneSoundProfile();
  QSignalSpy ended(form1, &ProgrammingPage::ProgrammingEnded);
  StartHeldRun(CmdWriteDataWide);
  prompts.Answers = {PromptAnswer::No};
  Window().close();
  ASSERT_EQ(prompts.Questions.size(), 1u);
  EXPECT_EQ(prompts.Questions[0],
            (Question{"Programming is in progress. Stop it? The unit will hold an incomplete "
                      "profile.",
                      "", PromptButtons::YesNo, PromptIcon::Exclamation, PromptAnswer::No}));
  EXPECT_TRUE(form1->isVisible()) << "No: the run goes on";

  prompts.Answers = {PromptAnswer::Yes};
  Window().close();
  EXPECT_EQ(endRequests, 0) << "the application waits for the run to stop";
  unit->ClearTraffic();
  gate->Open();
  ASSERT_TRUE(EndedAndProbed(ended));
  EXPECT_EQ(Find<QLabel>(form1, "Label3")->text(), StoppedText);
  EXPECT_EQ(SongDataWrites(), 0u);
  EXPECT_EQ(endRequests, 1) << "then it ends";
}

TEST_F(ProgrammingPageTest, VerifyEveryByteIsOnAtFirstAndTheChoiceStaysForTheNextStart) {
  ShowOneSoundProfile(5000);
  auto* verify = Find<QCheckBox>(form1, "VerifyEveryByte");
  EXPECT_TRUE(verify->isChecked());
  verify->setChecked(false);
  QSignalSpy ended(form1, &ProgrammingPage::ProgrammingEnded);
  unit->ClearTraffic();
  Click(form1, "bbProgram");
  ASSERT_TRUE(ended.wait(10000));
  EXPECT_EQ(std::ranges::count_if(unit->Traffic().Writes,
                                  [](const auto& write) { return write[0] == CmdReadMemory; }),
            2)
      << "the header and the first KiB only";

  vantora.reset();
  StartProgram();
  EXPECT_FALSE(Find<QCheckBox>(Programming(), "VerifyEveryByte")->isChecked());
}

TEST_F(ProgrammingPageTest, AProbeWhileAnotherProgramHoldsTheProgrammerSaysInUseAndKeepsTheUnit) {
  StartProgram();
  auto* programmerLine = Find<QLabel>(form1, "Label8");
  ASSERT_EQ(programmerLine->text(), "Programmer Ready");
  ProgrammerLock otherProgram;
  ASSERT_EQ(otherProgram.TryTake(), LockAttempt::Taken);
  unit->ClearTraffic();
  QSignalSpy inUse(&vantora->Device(), &DeviceThread::ProgrammerInUse);
  form1->OnProbeTimer();
  ASSERT_TRUE(Arrived(inUse));
  EXPECT_EQ(programmerLine->text(), "Programmer In Use");
  EXPECT_EQ(StatusColour(programmerLine), PartialSuccessColour);
  EXPECT_EQ(unit->Traffic().ListCalls, 0) << "the programmer is left alone";
  EXPECT_TRUE(vantora->Unit().Status().UnitPresent) << "the unit is not reported gone";

  otherProgram.Release();
  Probe();
  EXPECT_EQ(programmerLine->text(), "Programmer Ready");
}
