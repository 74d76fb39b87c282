#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QTreeWidget>

#include "EditorFixture.h"
#include "app/StatusText.h"
#include "editor/SoundListModel.h"

class CapacityTest : public EditorFixture {
 protected:
  // The editor on a unit with these memories, and Btn1's sounds by size alone.
  void ShowEditorOn(std::initializer_list<std::uint8_t> deviceCodes) {
    unit = std::make_unique<SimulatedUnit>();
    int slot = 0;
    for (std::uint8_t code : deviceCodes) unit->InstallMemory(slot++, code);
    ShowEditor();
    Tick();
  }
  void SetSizes(std::initializer_list<std::int64_t> sizes) {
    std::vector<SoundEntry>& sounds = editor->Profiles().Profile().Buttons[0].Sounds;
    sounds.clear();
    for (std::int64_t size : sizes) {
      sounds.push_back({"s" + std::to_string(sounds.size()) + ".mp3", std::to_string(size), "/"});
    }
    editor->RefreshCapacity();
    editor->UpdateStatusBar();
  }
  QString Panel(int panel) {
    return Find<QLabel>(editor, QString("StatusPanel%1").arg(panel))->text();
  }
  int Fitting() { return editor->Profiles().State().FittingSoundCount; }
  int Bar() { return Find<QProgressBar>(editor, "ProgressBar1")->value(); }
  bool Highlighted(int row) {
    return List(1)->model()->index(row, 0).data(Qt::BackgroundRole) == QVariant(FittingSoundColour);
  }
};

TEST_F(CapacityTest, OneMemoryTakesTheFirstSoundAndTheStatusBarShowsTheNeed) {
  ShowEditorOn({0x41});
  SetSizes({1000000, 1200000});
  EXPECT_EQ(Fitting(), 1);
  EXPECT_TRUE(Highlighted(0));
  EXPECT_FALSE(Highlighted(1));
  EXPECT_EQ(Bar(), 100);
  EXPECT_EQ(QStringList({Panel(0), Panel(1), Panel(2), Panel(3), Panel(4)}),
            QStringList({"Connected", "Size : 2,097,151", "Used : 2,200,032",
                         "Remaining : -102,881", "Profile On Vantora : None"}));
  SetSizes({3000000000});
  EXPECT_EQ(Fitting(), 0) << "a file of 2 GiB or more never fits";
  EXPECT_EQ(Panel(2), "Used : 3,000,000,016");
  EXPECT_EQ(Bar(), 100);
  SetSizes({1048576});
  EXPECT_EQ(Bar(), 50);
}

TEST_F(CapacityTest, SoundsArePackedIntoTheRecognisedMemoriesInSlotOrder) {
  ShowEditorOn({0x55, 0x43, 0x41});  // an unknown chip lies before the others
  SetSizes({200000, 300000});
  EXPECT_EQ(Fitting(), 2) << "the second sound does not fit the 62,127 bytes left";
  SetSizes({2000000, 500000, 100});
  EXPECT_EQ(Fitting(), 1) << "counting stops at the first sound that fits nowhere";
  EXPECT_FALSE(Highlighted(2));
}

TEST_F(CapacityTest, TheUnitsArrivalTrimsTheTabsOnceAndItsDepartureClearsTheCount) {
  unit->Attach(false);
  unit->SetButtonCount(2);
  ShowEditor();
  editor->AddSoundFile(Sound("a.mp3"));
  unit->Attach(true);
  prompts.Open = true;
  Tick();
  EXPECT_EQ(Panel(0), "Connected");
  EXPECT_TRUE(Tabs()->isTabVisible(2)) << "nothing changes under an open question";
  EXPECT_EQ(Fitting(), 0);

  prompts.Open = false;
  Tick();
  EXPECT_FALSE(Tabs()->isTabVisible(2));
  EXPECT_EQ(Fitting(), 1);
  EXPECT_EQ(Panel(1), "Size : 2,359,294");
  Find<QComboBox>(editor, "ComboBox1")->setCurrentIndex(0);
  editor->Profiles().LoadProfile("Alpha", false);
  Tick();
  EXPECT_TRUE(Tabs()->isTabVisible(2)) << "only the arrival trims";

  unit->Attach(false);
  Tick();
  EXPECT_EQ(Panel(0) + Panel(1), "DisconnectedSize : 0");
  EXPECT_EQ(Fitting(), 0);
  EXPECT_EQ(Bar(), 0);
  EXPECT_FALSE(editor->Profiles().State().UnitConnected);
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
  EXPECT_EQ(prompts.Questions.at(0).Title, "Profile Changed");
  EXPECT_EQ(prompts.Questions.at(1).Title, "File Does Not Exist");
  EXPECT_TRUE(editor->isVisible());
  prompts.Answers = {PromptAnswer::No};
  Click(editor, "bbNext");
  EXPECT_TRUE(Pages().Form1->isVisible());
  EXPECT_EQ(Find<QTreeWidget>(Pages().Form1, "ListView1")->topLevelItemCount(), 1);
  EXPECT_NE(FileText(Profiles() + "Alpha.qvt").find("a.mp3"), std::string::npos)
      << "the profile is saved after a sound was dropped";
}
