#include <unistd.h>

#include "StoreFixture.h"
#include "support/ReadOnlyFolder.h"

using ProfileFileTest = StoreTest;

TEST_F(ProfileFileTest, SavingWritesTheLinesAndKeepsTheSaveBeforeAsBackup) {
  const std::string door = Sound("door.mp3", 1234);
  StoreProfile("Home.qvt", ProfileText(5, {{door}, {}}));
  Store().LoadProfile("Home", false);
  EXPECT_EQ(Store().Profile().Buttons[0].Sounds[0].SizeText, "1234");

  AddSound(1, "bell.wav");
  ASSERT_TRUE(Store().SaveProfile("Home"));
  const std::string firstSave = ProfileText(5, {{door}, {Sounds() + "bell.wav"}});
  EXPECT_EQ(StoredText("Home.qvt"), firstSave);
  EXPECT_EQ(StoredText("Home.BAK"), ProfileText(5, {{door}, {}}));
  EXPECT_EQ(view.Info, "Profile saved");

  Store().Profile().Buttons[0].Sounds.clear();
  ASSERT_TRUE(Store().SaveProfile("home"));
  EXPECT_EQ(StoredText("Home.BAK"), firstSave) << "the backup holds the first save";
  EXPECT_EQ(StoredText("Home.qvt"), ProfileText(5, {{}, {Sounds() + "bell.wav"}}));
  EXPECT_FALSE(Exists("home.qvt") || Exists("home.BAK")) << "one profile whatever the case";
}

TEST_F(ProfileFileTest, LoadingMeasuresEachSoundAgainAndFindsBareNamesInTheCurrentFolder) {
  const std::string door = Sound("door.mp3", 10);
  Sound("chime.wav");
  StoreProfile("Round.qvt", ProfileText(1, {{door}, {"chime.wav"}, {}}));
  Sound("door.mp3", 4096);
  Store().Profile().Buttons[3].Present = true;
  const std::string before = std::filesystem::current_path();
  ASSERT_EQ(::chdir(Sounds().c_str()), 0);
  Store().LoadProfile("Round", false);
  ASSERT_EQ(::chdir(before.c_str()), 0);

  const SongProfile& profile = Store().Profile();
  EXPECT_EQ(profile.PresentButtonCount(), 4) << "loading adds slots and hides none";
  EXPECT_EQ(profile.Buttons[0].Sounds[0].SizeText, "4096");
  EXPECT_EQ(profile.Buttons[1].Sounds[0].FullPath(), Sounds() + "chime.wav");
  EXPECT_TRUE(prompts.Questions.empty());
  Store().LoadProfile("", false);
  EXPECT_EQ(profile.SoundCount(), 2) << "an empty name loads nothing, not even empty lists";
}

TEST_F(ProfileFileTest, MissingSoundsCanBeFoundDroppedOrTheLoadingCancelled) {
  const std::string kept = Sound("kept.mp3");
  const std::string moved = Sound("moved.wav", 77);
  const std::string original =
      ProfileText(3, {{"/gone/first.mp3", "/gone/second.mp3", kept}, {"/gone/third.mp3", kept}});
  StoreProfile("Lost.qvt", original);
  prompts.Answers = {PromptAnswer::Yes, PromptAnswer::No, PromptAnswer::Cancel, PromptAnswer::No};
  prompts.ChosenFiles = {{moved}};
  Store().LoadProfile("Lost", false);

  ASSERT_EQ(prompts.Questions.size(), 4u);
  ExpectAsked(prompts.Questions[2], MissingFileText("/gone/third.mp3"), "File Does Not Exist",
              PromptButtons::YesNoCancel, PromptIcon::Question);
  ExpectAsked(prompts.Questions[3],
              "The profile : Lost has been changed. Press YES to save the changes or NO to skip "
              "the changes.",
              "Profile Has Changed", PromptButtons::YesNo);
  EXPECT_EQ(prompts.Dialogs[0].Title, "Find MP3 File");
  EXPECT_EQ(prompts.Dialogs[0].ProposedFile, "first.mp3");
  ASSERT_EQ(prompts.Dialogs[0].Filters.size(), 2u);
  EXPECT_EQ(prompts.Dialogs[0].Filters[1].Label, " Wav files (*.wav)");

  EXPECT_EQ(FileNames(0), (std::vector<std::string>{"moved.wav", "kept.mp3"}));
  EXPECT_EQ(Store().Profile().Buttons[0].Sounds[0].SizeText, "77");
  EXPECT_TRUE(FileNames(1).empty()) << "nothing after Cancel is read";
  EXPECT_EQ(Store().SelectedIndex(), -1) << "Cancel leaves the selector without a selection";
  EXPECT_EQ(StoredText("Lost.qvt"), original) << "No to the save question writes nothing";

  prompts.Answers = {PromptAnswer::No, PromptAnswer::No, PromptAnswer::No, PromptAnswer::Yes};
  Store().LoadProfile("Lost", false);
  EXPECT_EQ(StoredText("Lost.qvt"), ProfileText(3, {{kept}, {kept}}));
  EXPECT_EQ(StoredText("Lost.BAK"), original);
}

TEST_F(ProfileFileTest, ASaveThatCannotBeWrittenLeavesTheProfileFileAsItWas) {
  const std::string original = ProfileText(8, {{Sound("a.mp3")}});
  StoreProfile("Safe.qvt", original);
  Store().LoadProfile("Safe", false);
  AddSound(0, "b.mp3");

  // A backup that cannot be removed stops the save before anything moves.
  std::filesystem::create_directories(Profiles() + "Safe.BAK/inside");
  EXPECT_FALSE(Store().SaveProfile("Safe"));
  EXPECT_EQ(StoredText("Safe.qvt"), original);
  EXPECT_EQ(view.Info, "ERROR saving profile Safe.");
  EXPECT_EQ(view.Colour, InfoColour::Failure);
  std::filesystem::remove_all(Profiles() + "Safe.BAK");
  StoreProfile("Safe.BAK", "old backup");

  ReadOnlyFolder readOnly(Profiles());
  if (!readOnly.Effective()) GTEST_SKIP() << "this file system cannot protect a folder";
  view.InfoTexts.clear();
  EXPECT_FALSE(Store().SaveProfile("Safe"));
  EXPECT_EQ(StoredText("Safe.qvt"), original);
  EXPECT_EQ(StoredText("Safe.BAK"), "old backup");
  EXPECT_EQ(view.Info, "ERROR saving profile Safe.");
  EXPECT_EQ(std::count(view.InfoTexts.begin(), view.InfoTexts.end(), "Profile saved"), 0);

  prompts.Texts = {"Fresh"};
  EXPECT_EQ(Store().CreateProfile(), ProfileNotWritten);
  EXPECT_EQ(Store().ProfileList(), std::vector<std::string>{"Safe"});
  EXPECT_EQ(view.Info, "ERROR saving profile Fresh.");
  EXPECT_TRUE(Store().State().Changed) << "the edits are still unsaved";
}

TEST_F(ProfileFileTest, OldListsAreConvertedOnlyWhenReadToTheirEnd) {
  StoreProfile("A.qvt", ProfileText(0, {}));
  StoreProfile("B.qvt", ProfileText(1, {}));
  StoreProfile("C.qvt", ProfileText(3, {}));
  const std::string one = Sound("one.mp3");
  const std::string two = Sound("two.wav");
  StoreProfile("Legacy.qvt", "HEAD\r\n" + one + "\r\n" + two + "\r\n");
  EXPECT_EQ(Store().NextFreeProfileNumber(), 2);
  Store().LoadProfile("Legacy", false);
  EXPECT_EQ(FileNames(0), (std::vector<std::string>{"one.mp3", "two.wav"}));
  EXPECT_EQ(StoredText("Legacy.qvt"), ProfileText(2, {{one, two}, {}}));
  EXPECT_EQ(StoredText("Legacy.BAK"), StoredText("Legacy.qvt"));

  // A name without a file becomes a new, empty profile.
  Store().LoadProfile("Ghost", false);
  EXPECT_EQ(StoredText("Ghost.qvt"), ProfileText(4, {{}, {}}));

  // After Cancel the old list stays as it was, and no save is offered.
  const std::string old = "HEAD\r\n" + one + "\r\n/gone/two.mp3\r\n";
  StoreProfile("Older.qvt", old);
  prompts.Answers = {PromptAnswer::Cancel};
  Store().LoadProfile("Older", false);
  EXPECT_EQ(FileNames(0), std::vector<std::string>{"one.mp3"});
  EXPECT_EQ(StoredText("Older.qvt"), old);
  EXPECT_FALSE(Exists("Older.BAK"));
  EXPECT_TRUE(prompts.AllAnswersUsed());

  // A file with a [Profile] section but no number is not an old list.
  StoreProfile("NoId.qvt",
               "[Profile]\r\nNumButtons=1\r\n[Button0]\r\nNumSounds=1\r\nSound0=" + one + "\r\n");
  Store().LoadProfile("NoId", false);
  EXPECT_EQ(FileNames(0), std::vector<std::string>{"one.mp3"});
  EXPECT_FALSE(Exists("NoId.BAK"));
}

TEST_F(ProfileFileTest, CountsFromFilesAreClampedAndAListTakesAtMost254) {
  const std::string one = Sound("one.mp3");
  std::string text = "[Profile]\r\nID=4\r\nNumButtons=12\r\n[Button0]\r\nNumSounds=300\r\n";
  for (int index = 0; index < 300; ++index) {
    text += "Sound" + std::to_string(index) + "=" + one + "\r\n";
  }
  StoreProfile("Big.qvt", text + "[Button1]\r\nNumSounds=-1\r\nSound0=" + one + "\r\n");
  prompts.Answers = {PromptAnswer::Yes};
  Store().LoadProfile("Big", false);
  EXPECT_EQ(Store().Profile().PresentButtonCount(), 8);
  EXPECT_TRUE(FileNames(1).empty());
  EXPECT_EQ(prompts.Questions[0].Title, "Profile Has Changed");
  EXPECT_EQ(StoredText("Big.qvt"),
            ProfileText(4, {std::vector<std::string>(254, one), {}, {}, {}, {}, {}, {}, {}}));
}

TEST_F(ProfileFileTest, RetrievingTheBackupReadsOnlyTheBackupAndWritesNothing) {
  const std::string one = Sound("one.mp3");
  const std::string two = Sound("two.mp3");
  const std::string current = ProfileText(7, {{one}});
  const std::string backup = ProfileText(3, {{two}, {one, two}});
  StoreProfile("Home.qvt", current);
  StoreProfile("Home.BAK", backup);
  Choose("Home");
  Store().RetrieveBackup();
  EXPECT_EQ(FileNames(1), (std::vector<std::string>{"one.mp3", "two.mp3"}));
  EXPECT_TRUE(Store().State().Changed);
  EXPECT_EQ(StoredText("Home.qvt"), current);
  EXPECT_EQ(StoredText("Home.BAK"), backup);

  Store().Save();
  EXPECT_EQ(StoredText("Home.qvt"), ProfileText(7, {{two}, {one, two}}))
      << "sounds from the backup, number from the profile file";
  EXPECT_EQ(StoredText("Home.BAK"), current);

  // Without a profile file the backup is still read as it is, not converted.
  std::filesystem::remove(Profiles() + "Home.qvt");
  StoreProfile("Home.BAK", "HEAD\r\n" + one + "\r\n");
  Store().RetrieveBackup();
  EXPECT_EQ(Store().Profile().SoundCount(), 0);
  EXPECT_FALSE(Exists("Home.qvt"));
  EXPECT_EQ(StoredText("Home.BAK"), "HEAD\r\n" + one + "\r\n");
}

TEST_F(ProfileFileTest, NumbersAreReadAgainOnceAFileChanged) {
  StoreProfile("b.qvt", ProfileText(4, {}));
  StoreProfile("A.qvt", ProfileText(4, {}));
  StoreProfile("Old.qvt", "HEAD\r\n/x.mp3\r\n");
  EXPECT_EQ(Store().ReadProfileNumber("a"), 4);
  EXPECT_EQ(Store().FindProfileByNumber(4), "A") << "the first in folder order";
  EXPECT_EQ(Store().FindProfileByNumber(NoProfileId), "Old");
  EXPECT_EQ(Store().FindProfileByNumber(-1), "None");

  StoreProfile("A.qvt", ProfileText(6, {}));
  EXPECT_EQ(Store().ReadProfileNumber("A"), 6);
  EXPECT_EQ(Store().FindProfileByNumber(4), "b");
  std::filesystem::remove(Profiles() + "b.qvt");
  EXPECT_EQ(Store().FindProfileByNumber(4), "None");
  std::filesystem::rename(Profiles() + "A.qvt", Profiles() + "c.qvt");
  EXPECT_EQ(Store().FindProfileByNumber(6), "c");
}

TEST_F(ProfileFileTest, BadInputLoadsWhatCanBeReadAndChangesNothing) {
  const std::string one = Sound("one.mp3");
  const std::string junk = std::string("\0\xFF\xFE\x80 junk\nNumButtons=3\n", 23) +
                           "[Profile]\nID=2147483648\nNumButtons=2147483647\n[Button0]\n"
                           "NumSounds=2147483647\nSound0=" +
                           one + "\nSound1=" + one + std::string("\0tail", 5) + "\nSound2=/" +
                           std::string(5 << 20, 'x') + "\n[Button1]\nNumSounds=-1\n";
  StoreProfile("Junk.qvt", junk);
  prompts.Answers = {PromptAnswer::No, PromptAnswer::Cancel, PromptAnswer::No};
  Store().LoadProfile("Junk", false);
  EXPECT_EQ(FileNames(0), std::vector<std::string>{"one.mp3"});
  EXPECT_EQ(Store().ReadProfileNumber("Junk"), NoProfileId);
  EXPECT_TRUE(StoredText("Junk.qvt") == junk);

  // 100 MB of junk inside a section: its keys are found behind it.
  std::string big = "[Profile]\r\nID=9\r\nNumButtons=1\r\n[Button0]\r\nNumSounds=2\r\n";
  big.reserve(100 << 20);
  for (std::uint32_t noise = 1; big.size() < (100u << 20);) {
    noise = noise * 1664525u + 1013904223u;
    const char byte = static_cast<char>(noise >> 24);
    big += byte == '[' ? ']' : byte;
  }
  big += "\r\nSound1=" + one + "\r\nSound0=" + one + "\r\n";
  StoreProfile("Big.qvt", big);
  Store().LoadProfile("Big", false);
  EXPECT_EQ(FileNames(0), (std::vector<std::string>{"one.mp3", "one.mp3"}));
  EXPECT_EQ(Store().ReadProfileNumber("Big"), 9);
  EXPECT_EQ(std::filesystem::file_size(Profiles() + "Big.qvt"), big.size());
  EXPECT_TRUE(prompts.AllAnswersUsed());
}
