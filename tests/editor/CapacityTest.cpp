#include <QHelpEvent>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolTip>
#include <QTranslator>
#include <QTreeWidget>

#include "EditorFixture.h"
#include "widgets/StatusText.h"
#include "editor/SoundListModel.h"
#include "translation/Translated.h"

class CapacityTest : public EditorFixture {
 protected:
  // The editor on a unit with memories of these device codes in slot order.
  void ShowEditorOn(std::initializer_list<std::uint8_t> deviceCodes) {
    unit = std::make_unique<SimulatedUnit>();
    for (int slot = 0; std::uint8_t code : deviceCodes) unit->InstallMemory(slot++, code);
    ShowEditor();
    Tick();
  }
  // What the page shows: Btn1's highlighted rows, the capacity bar and the status bar.
  QString Shown() {
    QString shown;
    const QAbstractItemModel* rows = List(1)->model();
    for (int row = 0; row < rows->rowCount(); ++row) {
      shown += rows->index(row, 0).data(Qt::BackgroundRole) == FittingSoundColour ? '+' : '-';
    }
    shown += QString(" %1%").arg(Find<QProgressBar>(editor, "ProgressBar1")->value());
    for (int panel = 0; panel < 4; ++panel) {
      shown += " " + Find<QLabel>(editor, QString("StatusPanel%1").arg(panel))->text();
    }
    return shown;
  }
  // Shown() with Btn1's sounds given by size alone.
  QString ShownWith(std::initializer_list<std::int64_t> sizes) {
    SongProfile lists = editor->Document().Lists();
    lists.Buttons[0].Sounds.clear();
    // Named by their row: s0.mp3, s1.mp3, ...
    for (std::int64_t size : sizes) {
      const std::string name = "s" + std::to_string(lists.Buttons[0].Sounds.size()) + ".mp3";
      lists.Buttons[0].Sounds.push_back({name, std::to_string(size), "/"});
    }
    editor->Document().Replace(lists, "Alpha", true);
    editor->Capacity().UpdateStatusBar();
    return Shown();
  }
};

TEST_F(CapacityTest, OneMemoryTakesTheFirstSoundAndTheStatusBarShowsTheNeed) {
  ShowEditorOn({0x41});
  EXPECT_EQ(ShownWith({1000000, 1200000}),
            "+- 100% Connected Size : 2,097,151 Used : 2,200,032 Over by 102,881");
  EXPECT_EQ(Find<QLabel>(editor, "StatusPanel4")->text(), "Profile On Vantora : None");
  EXPECT_EQ(ShownWith({3000000000}),
            "- 100% Connected Size : 2,097,151 Used : 3,000,000,016 Over by 2,997,902,865")
      << "a file of 2 GiB or more never fits";
  EXPECT_EQ(ShownWith({1048576}).left(5), "+ 50%");

  UnitStatus stored = vantora->Unit().Status();
  stored.Slots[0].Capacity = 2000000;
  vantora->Unit().Store({stored, "QVT2 Vantora Programmer", false});
  EXPECT_EQ(ShownWith({1000000, 1200000}),
            "+- 100% Connected Size : 2,000,000 Used : 2,200,032 Over by 200,032")
      << "the application's unit status";
}

TEST_F(CapacityTest, TheStatusBarGroupsItsNumbersInTheUsersFormat) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  ShowEditorOn({0x41});
  const QString shown = ShownWith({1000000, 1200000});
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  for (const char* number : {"2.097.151", "2.200.032", "102.881"})
    EXPECT_TRUE(shown.contains(QLatin1String(number))) << number << " in " << shown.toStdString();
}

TEST_F(CapacityTest, TheStatusBarSpeaksTheUsersLanguageForAUnitWithoutAProfile) {
  QTranslator german;
  ASSERT_TRUE(german.load(QStringLiteral(":/i18n/vantora_de.qm")));
  QCoreApplication::installTranslator(&german);
  InstallTranslator([](const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
  });
  ShowEditorOn({0x41});
  const QString onUnit = Find<QLabel>(editor, "StatusPanel4")->text();
  InstallTranslator(nullptr);
  QCoreApplication::removeTranslator(&german);
  EXPECT_EQ(onUnit, "Profil auf der Vantora: keines");
}

TEST_F(CapacityTest, SoundsArePackedIntoTheRecognisedMemoriesInSlotOrder) {
  ShowEditorOn({0x55, 0x43, 0x41});  // an unknown chip lies before the others
  EXPECT_EQ(ShownWith({200000, 300000}).left(2), "++") << "the second goes to the next memory";
  EXPECT_EQ(ShownWith({2000000, 500000, 100}).left(3), "+--") << "stops at the first misfit";
}

TEST_F(CapacityTest, TheUnitsArrivalTrimsTheTabsOnceAndAfterItsDepartureItIsMeasuredInGrey) {
  unit->Attach(false);
  unit->SetButtonCount(2);
  ShowEditor();
  editor->AddSoundFile(Sound("a.mp3"));
  Tabs()->setCurrentIndex(2);
  editor->AddSoundFile(Sound("big.wav", 2000000));
  unit->Attach(true);
  prompts.Open = true;
  Tick();
  EXPECT_EQ(Shown(), "- 0% Connected Size : 2,359,294 Used : 2,000,132 Remaining : 359,162");
  EXPECT_EQ(VisibleTabs(), "11100000") << "nothing changes under an open question";
  prompts.Open = false;
  Tick();
  EXPECT_EQ(Shown().left(4), "+ 0%") << "the bar leaves out the sounds of the tabs trimmed away";
  EXPECT_EQ(VisibleTabs(), "11000000");
  EXPECT_EQ(Tabs()->currentIndex(), 0) << "Btn1, not the neighbour Qt moved to";

  editor->Profiles().Loader().LoadProfile("Alpha", false);
  Tick();
  EXPECT_EQ(VisibleTabs(), "11100000") << "only the arrival trims";
  Tabs()->setCurrentIndex(2);
  vantora->Flow().ShowStart();
  GoToEditor();
  EXPECT_EQ(VisibleTabs(), "11000000");
  EXPECT_EQ(Tabs()->currentIndex(), 0) << "also when the page is shown";
  editor->AddSoundFile(Sound("a.mp3"));
  unit->Attach(false);
  Probe();
  EXPECT_EQ(Shown(), "+ 0% Disconnected Last unit: 2,359,294 Used : 116 Remaining : 2,359,178")
      << "shown as the probe stores it, without waiting for the status timer";
  EXPECT_FALSE(Find(editor, "StatusPanel1")->isEnabled()) << "grey";
  EXPECT_FALSE(Find(editor, "ProgressBar1")->isEnabled());
  EXPECT_FALSE(editor->Capacity().Fit().UnitConnected);
}

TEST_F(CapacityTest, NextChecksSizeUnsavedEditsAndMissingFilesBeforeItMovesOn) {
  unit->Attach(false);
  ShowEditor();
  auto* info = Find<QLabel>(editor, "Info");
  Click(editor, "bbNext");
  EXPECT_EQ(info->text(), "No Songs To Program");
  EXPECT_EQ(StatusColour(info), FailureColour);
  editor->AddSoundFile(Sound("a.mp3"));
  Click(editor, "bbNext");
  EXPECT_EQ(info->text(), "Song Is Too Large") << "no unit: a single sound never fits";
  EXPECT_TRUE(prompts.Questions.empty());

  const QString gone = Sound("gone.wav");
  editor->AddSoundFile(gone);
  std::filesystem::remove(gone.toStdString());
  prompts.Answers = {PromptAnswer::No, PromptAnswer::Cancel};
  Click(editor, "bbNext");
  EXPECT_EQ(prompts.Questions.at(0).Title + "|" + prompts.Questions.at(1).Title,
            "Unsaved Changes|File Does Not Exist");
  EXPECT_TRUE(editor->isVisible());
  std::filesystem::create_directories(Profiles() + "Alpha.BAK/inside");  // the save fails
  prompts.Answers = {PromptAnswer::Yes};
  Click(editor, "bbNext");
  EXPECT_TRUE(editor->isVisible()) << "Save and Program: nothing saved, nothing programmed";
  EXPECT_EQ(info->text(), "ERROR saving profile Alpha.");
  EXPECT_EQ(StatusColour(info), FailureColour);
  EXPECT_TRUE(editor->Document().Changed());
  std::filesystem::remove_all(Profiles() + "Alpha.BAK");
  prompts.Answers = {PromptAnswer::Yes, PromptAnswer::No};
  Click(editor, "bbNext");
  EXPECT_TRUE(Programming()->isVisible());
  EXPECT_EQ(Find<QTreeWidget>(Programming(), "ListView1")->topLevelItemCount(), 1);
  EXPECT_NE(FileText(Profiles() + "Alpha.qvt").find("a.mp3"), std::string::npos)
      << "the profile is saved after a sound was dropped";
}

TEST_F(CapacityTest, TheLastStatusPanelReachesTheRightEdgeAndNoPanelCutsItsText) {
  const std::string name = "Front door, summer evenings and the garden gate";
  WriteFile(Profiles() + name + ".qvt", "[Profile]\r\nID=9\r\n");
  unit->SetStoredProfileNumber(0, 9);
  ShowEditor();
  Tick();
  ShownWith({3000000000});
  auto* bar = Find<QStatusBar>(editor, "StatusBar1");
  auto* last = Find<QLabel>(editor, "StatusPanel4");
  EXPECT_EQ(last->text(), QString::fromStdString("Profile On Vantora : " + name));
  for (int width : {800, 1600}) {
    Window().resize(width, 700);
    bar->layout()->activate();
    EXPECT_GE(last->geometry().right(), bar->width() - 8) << width;
    if (width < 1600) {
      // Too long for the panel: it ends in "…", and its tip holds the whole.
      QHelpEvent tip(QEvent::ToolTip, {4, 4}, last->mapToGlobal(QPoint(4, 4)));
      QApplication::sendEvent(last, &tip);
      EXPECT_EQ(QToolTip::text(), last->text());
      continue;
    }
    for (int panel = 0; panel < 5; ++panel) {
      auto* label = Find<QLabel>(editor, QString("StatusPanel%1").arg(panel));
      EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
    }
  }
}

TEST_F(CapacityTest, ADragShowsWhatFitsInTheNewOrderAsTheProgrammingPageWillWriteIt) {
  ShowEditor();
  Tick();
  for (const auto& [name, size] :
       {std::pair{"one.wav", 100000}, {"two.wav", 100000}, {"huge.wav", 3500000}}) {
    editor->AddSoundFile(Sound(name, size));
  }
  EXPECT_EQ(Shown().left(3), "++-");
  QTreeView* list = List(1);
  DropRow(list, 2, 0);
  EXPECT_EQ(Names(1), (QStringList{"huge.wav", "one.wav", "two.wav"}));
  EXPECT_EQ(Shown().left(3), "---") << "the sound that fits nowhere now comes first";

  prompts.Answers = {PromptAnswer::No};  // the save question
  Click(editor, "bbNext");
  ASSERT_TRUE(Programming()->isVisible());
  const auto* programList = Find<QTreeWidget>(Programming(), "ListView1");
  const QColor greyed = programList->palette().color(QPalette::Disabled, QPalette::Text);
  QString written;
  for (int row = 0; row < programList->topLevelItemCount(); ++row) {
    const QVariant colour = programList->topLevelItem(row)->data(0, Qt::ForegroundRole);
    written += colour.value<QColor>() == greyed ? '-' : '+';
  }
  EXPECT_EQ(written, "---");
}

TEST_F(CapacityTest, AddingAndRemovingButtonsRecountWhatFits) {
  ShowEditorOn({0x43});  // 262,143 bytes
  editor->AddSoundFile(Sound("a.wav", 200000));
  Tabs()->setCurrentIndex(2);
  editor->AddSoundFile(Sound("b.wav", 50000));
  const auto fitting = [this] { return editor->Capacity().Fit().FittingSoundCount; };
  EXPECT_EQ(fitting(), 2);
  Choose(editor, "RemoveButton1");
  EXPECT_EQ(fitting(), 1) << "Btn3's sound went with it";
  Tabs()->setCurrentIndex(0);
  editor->AddSoundFile(Sound("c.wav", 100000));
  EXPECT_EQ(fitting(), 1);
  List(1)->setCurrentIndex(List(1)->model()->index(0, 0));
  editor->Commands().RemoveSoundsOfShownList();
  EXPECT_EQ(fitting(), 1) << "c.wav fits once a.wav is gone";
  EXPECT_EQ(Names(1), QStringList{"c.wav"});
  EXPECT_EQ(Shown().left(1), "+");
}

TEST_F(CapacityTest, SoundsLeftOutAreGreyWithTheRuleThatLeavesThemOutAndTheNeedBeyondTheUnitIsRed) {
  ShowEditorOn({0x41, 0x43});
  EXPECT_EQ(ShownWith({2000000, 200000, 100000, 100}).left(4), "++--");
  const QAbstractItemModel* rows = List(1)->model();
  const auto tip = [rows](int row) {
    return rows->index(row, 0).data(Qt::ToolTipRole).toString().section('\n', 0, 0);
  };
  EXPECT_EQ(rows->index(2, 0).data(Qt::ForegroundRole).value<QColor>(), LeftOutColour);
  EXPECT_FALSE(rows->index(1, 0).data(Qt::ForegroundRole).isValid());
  EXPECT_EQ(tip(2),
            "Does not fit: the sounds before it leave too little room in the unit's memories.");
  EXPECT_EQ(tip(3),
            "Left out: the sounds before it fill the unit's memories (s2.mp3 was the first that "
            "did not fit).");

  EXPECT_EQ(ShownWith({100, 3000000, 100}).left(3), "+--");
  EXPECT_EQ(tip(1),
            "Does not fit: each sound must fit into one memory of the unit (the largest holds "
            "2,097,151 bytes).");
  EXPECT_EQ(tip(2),
            "Left out: sounds go into the unit in their order, and one before it fits in no "
            "memory (s1.mp3 was the first that did not fit).");
  auto* remaining = Find<QLabel>(editor, "StatusPanel3");
  EXPECT_EQ(remaining->text(), "Over by 640,954");
  EXPECT_EQ(StatusColour(remaining), FailureColour);
  ShownWith({100});
  EXPECT_EQ(remaining->text(), "Remaining : 2,359,178");
  EXPECT_NE(StatusColour(remaining), FailureColour);

  unit->Attach(false);
  Tick();
  ShownWith({100, 3000000, 100});
  EXPECT_EQ(rows->index(1, 0).data(Qt::ForegroundRole).value<QColor>(), LeftOutColour)
      << "the last unit seen tells what is left out";
}

TEST_F(CapacityTest, ASoundBeyondTheSoundsAMemoryHoldsIsGreyWithThatRule) {
  ShowEditorOn({0x43});
  for (int n = 0; n < 254; ++n) editor->AddSoundFile(Sound("s" + std::to_string(n) + ".wav"));
  Tabs()->setCurrentIndex(1);
  editor->AddSoundFile(Sound("last.wav"));
  EXPECT_EQ(editor->Capacity().Fit().FittingSoundCount, 254);
  EXPECT_EQ(List(2)->model()->index(0, 0).data(Qt::ToolTipRole).toString().section('\n', 0, 0),
            "Does not fit: each of the unit's memories holds at most 254 sounds, and the sounds "
            "before it fill them.");
}

TEST_F(CapacityTest, WithoutAUnitTheLastOneSeenIsMeasuredInTheNextRunAndNoneIsSaidSo) {
  unit->Attach(false);
  ShowEditor();
  EXPECT_EQ(ShownWith({100, 3000000}), "-- 0% Disconnected No unit seen yet Used : 3,000,132 ");
  EXPECT_FALSE(List(1)->model()->index(1, 0).data(Qt::ForegroundRole).isValid())
      << "nothing is known to be left out";
  Choose(editor, "MakeItFit1");
  EXPECT_EQ(Find<QLabel>(editor, "Info")->text(),
            "No unit seen yet: Make It Fit fits a profile to the unit's memories");

  unit = std::make_unique<SimulatedUnit>();
  unit->InstallMemory(0, 0x41);
  unit->SetButtonCount(3);
  vantora.reset();
  ShowEditor();
  Tick();
  unit->Attach(false);
  vantora.reset();
  ShowEditor();
  EXPECT_EQ(ShownWith({100, 3000000}),
            "+- 100% Disconnected Last unit: 2,097,151 Used : 3,000,132 Over by 902,981");
  EXPECT_EQ(List(1)->model()->index(1, 0).data(Qt::ForegroundRole).value<QColor>(), LeftOutColour);
}
