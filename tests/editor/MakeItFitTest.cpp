// Make It Fit on the editor: the plan shown before anything is written, the
// new files in place of the rows as one undo step, Cancel, and a profile that
// cannot fit.
#include <QLabel>
#include <QMenu>
#include <QTreeView>

#include "EditorFixture.h"
#include "editor/MakeItFit.h"
#include "editor/SoundListModel.h"

class MakeItFitTest : public EditorFixture {
 protected:
  // On the unit of two memories (2,097,151 and 262,143 bytes), Btn1 holds a
  // one-second ding and two 30-second sounds of 1,323,044 bytes: the second
  // of them fits into neither memory.
  void SetUp() override {
    std::string list =
        "[Button0]\r\nNumSounds=3\r\nSound0=" + Sound("ding.wav", 8044).toStdString();
    for (const char* name : {"song.wav", "clip.wav"}) {
      const std::string path = sounds.Path() + name;
      WriteSound(path, 30 * 22050, 22050, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
      originals[path] = FileText(path);
    }
    list += "\r\nSound1=" + sounds.Path() + "song.wav\r\nSound2=" + sounds.Path() + "clip.wav\r\n";
    ShowEditor(list);
    Tick();
    fit = editor->findChild<MakeItFit*>();
  }
  void TearDown() override {
    for (const auto& [path, bytes] : originals) {
      EXPECT_TRUE(FileText(path) == bytes) << path << " changed";
    }
  }
  // Runs Make It Fit from the Buttons menu to its end.
  void MakeFit() {
    QSignalSpy finished(fit, &MakeItFit::Finished);
    Choose(editor, "MakeItFit1");
    ASSERT_TRUE(finished.wait(20000));
  }
  QString Info() { return Find<QLabel>(editor, "Info")->text(); }
  std::set<std::string> FilesOfSounds() {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(sounds.Path())) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  std::map<std::string, std::string> originals;
  MakeItFit* fit = nullptr;
};

TEST_F(MakeItFitTest, ThePlanNamesTheSoundToChangeAndTheRowThenPointsToItsNewFileUntilUndone) {
  EXPECT_EQ(Entries(Find<QMenu>(editor, "Buttons1")).last(), "MakeItFit1:&Make It Fit\u2026");
  const auto offeredOnRow = [this](int row) {
    const QRect shown = List(1)->visualRect(List(1)->model()->index(row, 0));
    emit List(1)->customContextMenuRequested(shown.center());
    Find<QMenu>(editor, "PopupMenu1")->close();
    return Find<QAction>(editor, "MakeItFit2")->isVisible();
  };
  EXPECT_TRUE(offeredOnRow(2)) << "the greyed row";
  EXPECT_FALSE(offeredOnRow(0)) << "a row that fits";

  prompts.Texts = {""};  // whole sounds
  prompts.Answers = {PromptAnswer::Ok};
  MakeFit();
  ASSERT_EQ(prompts.Questions.size(), 1u);
  const std::string plan = prompts.Questions[0].Text;
  EXPECT_NE(plan.find("clip.wav: 30.0 s, mono, 192 kbit/s, 1,323,044 \u2192 "), std::string::npos)
      << plan;
  EXPECT_NE(plan.find(" bytes (it does not fit: the sounds before it leave too little room in "
                      "the unit's memories)\n\nChanging this one sound is enough, and 192 kbit/s is the "
                      "highest bit rate at which it fits."),
            std::string::npos)
      << plan;
  EXPECT_EQ(plan.find("song.wav"), std::string::npos) << "a sound that fits is left alone";
  EXPECT_NE(
      plan.find("\n\nThe other 2 sounds stay as they are.\n\nWrite the new file and put it in "
                "the list?"),
      std::string::npos)
      << plan;

  EXPECT_EQ(Names(1), (QStringList{"ding.wav", "song.wav", "clip (edited).mp3"}));
  const SoundEntry& made = editor->Document().Lists().Buttons[0].Sounds[2];
  EXPECT_EQ(made.Directory, sounds.Path());
  EXPECT_EQ(made.Size(), static_cast<std::int64_t>(std::filesystem::file_size(made.FullPath())));
  EXPECT_EQ(editor->Capacity().Fit().FittingSoundCount, 3) << "every sound fits the unit";
  EXPECT_EQ(Info(), "Every sound fits the unit now, with 1 new sound");
  EXPECT_TRUE(Changed());

  Find<QAction>(editor, "Undo1")->trigger();
  EXPECT_EQ(Names(1), (QStringList{"ding.wav", "song.wav", "clip.wav"})) << "one step";
  EXPECT_EQ(editor->Capacity().Fit().FittingSoundCount, 2);
  EXPECT_FALSE(Changed());

  // What Make It Fit wrote goes onto the unit.
  Find<QAction>(editor, "Redo1")->trigger();
  emit editor->NextRequested();
  QSignalSpy ended(Programming(), &ProgrammingPage::ProgrammingEnded);
  Click(Programming(), "bbProgram");
  ASSERT_TRUE(ended.wait(20000));
  EXPECT_EQ(Find<QLabel>(Programming(), "Label3")->text().left(8), "Success!");
}

TEST_F(MakeItFitTest, CancelWhileWritingLeavesTheRowsAndTheFilesAsTheyWere) {
  prompts.Texts = {""};
  prompts.Answers = {PromptAnswer::Ok};
  QObject::connect(fit, &MakeItFit::WritingStarted, [this] {
    EXPECT_TRUE(Find<QWidget>(editor, "MakeItFitProgress")->isVisible());
    Click(editor, "MakeItFitCancel");
  });
  MakeFit();
  EXPECT_EQ(Names(1), (QStringList{"ding.wav", "song.wav", "clip.wav"}));
  EXPECT_EQ(FilesOfSounds(), (std::set<std::string>{"ding.wav", "song.wav", "clip.wav"}));
  EXPECT_EQ(Info(), "Make It Fit was cancelled: the lists are as they were");
  EXPECT_FALSE(Find<QAction>(editor, "Undo1")->isEnabled());
  EXPECT_FALSE(Find<QWidget>(editor, "MakeItFitProgress")->isVisible());
}

TEST_F(MakeItFitTest, NextOffersItForASoundTooLargeAndASoundTooLongEvenAtTheLowestRateIsNamed) {
  prompts.Answers = {PromptAnswer::Yes};  // "Remove 3 sounds?"
  Choose(editor, "All1");
  // Ten minutes take 2.4 MB even at 32 kbit/s.
  editor->AddSoundFile(Sound("long.wav", 44 + 600 * 8000));
  prompts.Answers = {PromptAnswer::No};
  Click(editor, "bbNext");
  EXPECT_EQ(Info(), "Song Is Too Large") << "the text stays";
  EXPECT_EQ(prompts.Questions.back().Title, "Make It Fit");
  prompts.Answers = {PromptAnswer::Yes, PromptAnswer::Ok};  // the offer, the plan's verdict
  prompts.Texts = {""};
  QSignalSpy finished(fit, &MakeItFit::Finished);
  Click(editor, "bbNext");
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_EQ(prompts.Questions.back().Text,
            "The profile cannot fit the unit, even with its sounds at 32 kbit/s mono: "
            "\"long.wav\" does not fit. Keep fewer seconds of each sound, or remove sounds.");

  // Keeping a minute of it fits; a plan cancelled writes nothing.
  prompts.Texts = {"abc", "60"};
  prompts.Answers = {PromptAnswer::Ok, PromptAnswer::Cancel};
  MakeFit();
  EXPECT_EQ(prompts.Questions.end()[-2].Text, "\"abc\" is not a number of seconds above 0.");
  EXPECT_NE(prompts.Questions.back().Text.find("long.wav: 60.0 s of 600.0 s, mono, "),
            std::string::npos);
  EXPECT_EQ(Names(1), QStringList{"long.wav"});
  EXPECT_EQ(FilesOfSounds().size(), 4u) << "nothing written";
  EXPECT_TRUE(prompts.AllAnswersUsed());
}

TEST_F(MakeItFitTest, ASoundThatDoesNotDecodeIsLeftAsItIsAndNamedWhenItIsWhatCannotFit) {
  const auto listFirst = [this](const std::string& name, std::size_t bytes) {
    const std::string path = sounds.Path() + name;
    WriteFile(path, std::string(bytes, 'x'));  // a text file named like a sound
    originals[path] = FileText(path);
    editor->Document().Edit("Load", [&](SongProfile& lists) {
      std::vector<SoundEntry>& list = lists.Buttons[0].Sounds;
      list.insert(list.begin(), {name, std::to_string(bytes), sounds.Path()});
    });
  };
  listFirst("raw.mp3", 30);
  prompts.Texts = {""};
  prompts.Answers = {PromptAnswer::Cancel};
  MakeFit();
  ASSERT_EQ(prompts.Questions.size(), 1u);
  const std::string plan = prompts.Questions[0].Text;
  EXPECT_NE(plan.find("clip.wav: 30.0 s, mono, "), std::string::npos) << plan;
  EXPECT_EQ(plan.find("raw.mp3"), std::string::npos) << "it cannot be made smaller: it stays";

  listFirst("big.mp3", 2200000);  // larger than either memory
  prompts.Texts = {""};
  prompts.Answers = {PromptAnswer::Ok};
  MakeFit();
  EXPECT_EQ(prompts.Questions.back().Text,
            "The profile cannot fit the unit, even with its sounds at 32 kbit/s mono: "
            "\"big.mp3\" does not fit, and it cannot be read as an MP3 or WAV sound to make it "
            "smaller.");
  EXPECT_EQ(Names(1), (QStringList{"big.mp3", "raw.mp3", "ding.wav", "song.wav", "clip.wav"}));
  EXPECT_EQ(FilesOfSounds().size(), 5u) << "nothing written";
}
