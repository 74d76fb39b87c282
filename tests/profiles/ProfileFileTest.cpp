#include "StoreFixture.h"
#include "profiles/ProfileFormat.h"

using ProfileFileTest = StoreTest;
using enum PromptAnswer;

TEST_F(ProfileFileTest, LoadingAndSavingWriteTheLinesAndKeepTheSaveBeforeAsBackup) {
  const std::string door = Sound("door.mp3", 10), original = ProfileText(5, {{door}, {"bell.wav"}});
  Put("Home.qvt", original);
  Sound("door.mp3", 4096);
  const std::string bell = Sound("bell.wav");
  const fs::path before = fs::current_path();
  fs::current_path(Sounds());  // where bare names are found
  Store().Loader().LoadProfile("Home", false);
  fs::current_path(before);
  EXPECT_EQ(Lists().Buttons[0].Sounds.at(0).SizeText, "4096") << "each sound measured";
  ASSERT_TRUE(Store().Stored().SaveProfile("HOME"));
  const std::string firstSave = ProfileText(5, {{door}, {bell}});
  EXPECT_EQ(Files("Home"), (Names{firstSave, original}));
  EXPECT_EQ(info, "Profile saved");
  Edit([](SongProfile& lists) { lists.Buttons[1].Sounds.clear(); });
  ASSERT_TRUE(Store().Stored().SaveProfile("home"));
  EXPECT_EQ(Files("Home"), (Names{ProfileText(5, {{door}, {}}), firstSave}));
  Store().Loader().LoadProfile("", false);
  EXPECT_EQ(Lists().SoundCount(), 1) << "an empty name loads nothing, not even lists";
}

TEST_F(ProfileFileTest, ALoadedProfileShowsExactlyItsButtons) {
  const std::string one = Sound("one.mp3");
  Put("Eight.qvt", ProfileText(1, std::vector<Names>(8, Names{one})));
  Put("Two.qvt", ProfileText(2, {{one}, {}}));
  Put("None.qvt", "[Profile]\r\nID=3\r\nNumButtons=0\r\n");
  Store().Loader().LoadProfile("Eight", false);
  EXPECT_EQ(Lists().PresentButtonCount(), 8);
  Store().Loader().LoadProfile("Two", false);
  EXPECT_EQ(Lists().PresentButtonCount(), 2);
  EXPECT_EQ(Lists().SoundCount(), 1) << "no sound of Btn3 to Btn8 carried over";
  EXPECT_TRUE(Lists().Buttons[7].Sounds.empty());
  ASSERT_TRUE(Store().Stored().SaveProfile("Two"));
  EXPECT_EQ(Text("Two.qvt"), ProfileText(2, {{one}, {}}));
  Store().Loader().LoadProfile("None", false);
  EXPECT_EQ(Lists().PresentButtonCount(), 1) << "a profile has at least Btn1";
}

TEST_F(ProfileFileTest, MissingSoundsCanBeFoundAgainAndStopLoadingKeepsTheProfileOpenBefore) {
  const std::string kept = Sound("kept.mp3"), moved = Sound("moved.wav");
  Put("Home.qvt", ProfileText(1, {{kept}}));
  const Names stored = {
      ProfileText(3, {{"/gone/first.mp3", kept}, {"/gone/third.mp3", kept, "/gone/fourth.mp3"}}),
      "backup"};
  Put("Lost.qvt", stored[0]);
  Put("Lost.BAK", stored[1]);
  Choose("Home");
  prompts.Answers = {Yes, Cancel};
  prompts.ChosenFiles = {{moved}};
  Choose("Lost");
  EXPECT_EQ(prompts.Questions.at(1),
            (Question{"The file : /gone/third.mp3 does not exist or has been moved.",
                      "File Does Not Exist",
                      PromptButtons::YesNoCancel,
                      PromptIcon::Question,
                      std::nullopt,
                      {"Find It\u2026", "Remove From List", "Stop Loading"}}));
  const FileDialog& dialog = prompts.Dialogs.at(0);
  EXPECT_EQ(dialog.Title + "|" + dialog.ProposedFile, "Find MP3 File|first.mp3");
  EXPECT_EQ(dialog.Filters.at(2).Label, " Wav files (*.wav)");
  EXPECT_EQ(Lists().Name + "|" + Store().Selection().CurrentProfileName(), "Home|Home")
      << "the profile open before stays open, and the selector names it again";
  EXPECT_EQ(FileNames(0), Names{"kept.mp3"}) << "no part of Lost in the lists";
  EXPECT_EQ(info, "Loading stopped: 2 sounds not found") << "the found one is not counted";
  EXPECT_EQ(infoColour, InfoColour::Failure);
  EXPECT_EQ(prompts.Questions.size(), 2u) << "no question about saving follows a stop";
  EXPECT_FALSE(Changed());
  EXPECT_EQ(Files("Lost"), stored) << "file and backup as they were";

  prompts.Answers = {Yes};
  prompts.ChosenFiles = {{}};
  Choose("Lost");
  EXPECT_EQ(Store().Selection().CurrentProfileName(), "Home")
      << "a cancelled Find MP3 File stops as well";
}

TEST_F(ProfileFileTest, ProfilesFromWindowsOpenWithTheirNamesAndOneFoundSoundFindsTheRest) {
  Sound("ding.mp3");
  Sound("dong.MP3");
  Sound("M\xC3\xBCller.wav");
  const std::string music = "Sound0=C:\\Users\\Ann\\Music\\";
  const std::string windows = "[Profile]\r\nID=4\r\nNumButtons=2\r\n[Button0]\r\nNumSounds=2\r\n" +
                              music + "ding.mp3\r\nSound1=C:\\Users\\Ann\\Music\\dong.mp3\r\n" +
                              "[Button1]\r\nNumSounds=1\r\n" + music + "M\xFCller.wav\r\n";
  std::string utf16 = "\xFF\xFE";  // the same text, as Notepad saves it in "Unicode"
  for (const char c : windows) utf16 += {c, '\0'};
  for (const auto& [name, bytes] : {std::pair{"Ansi", windows}, {"Wide", utf16}}) {
    SCOPED_TRACE(name);
    Put(std::string(name) + ".qvt", bytes);
    prompts = {};
    prompts.Answers = {Yes, No};
    prompts.ChosenFiles = {{Sounds() + "ding.mp3"}};
    EXPECT_EQ(Store().Stored().ReadProfileNumber(name), 4);
    Store().Loader().LoadProfile(name, false);
    EXPECT_EQ(prompts.Questions.at(0).Text.substr(0, 43),
              "The file : C:\\Users\\Ann\\Music\\ding.mp3 does");
    EXPECT_EQ(prompts.Dialogs.at(0).ProposedFile, "ding.mp3");
    EXPECT_EQ(FileNames(0), (Names{"ding.mp3", "dong.MP3"}));
    EXPECT_EQ(FileNames(1), Names{"M\xC3\xBCller.wav"});
    EXPECT_EQ(prompts.Questions.at(1), SaveChangesQuestion(name))
        << "each sound found counts as a change";
    EXPECT_TRUE(Changed()) << "not saved: the lists are not what the file holds";
    EXPECT_EQ(info, "2 sounds found in " + Sounds());
    EXPECT_EQ(Files(name), (Names{bytes, ""})) << "never taken for an old list";
  }
}

TEST_F(ProfileFileTest, OldListsAreConvertedOnlyWhenReadToTheirEnd) {
  Put("A.qvt", ProfileText(0, {}));
  const std::string one = Sound("one.mp3"), two = Sound("two.wav");
  Put("Legacy.qvt", "HEAD\r\n" + one + "\r\n" + two + "\r\n");
  EXPECT_EQ(Store().Stored().FindProfileByNumber(NoProfileId), "Legacy");
  Store().Loader().LoadProfile("Legacy", false);
  EXPECT_EQ(Files("Legacy"), Names(2, ProfileText(1, {{one, two}})));
  EXPECT_EQ(Store().Stored().FindProfileByNumber(1), "Legacy")
      << "a number is read again once written";
  Store().Loader().LoadProfile("Ghost", false);
  EXPECT_EQ(Text("Ghost.qvt"), ProfileText(2, {{}, {}})) << "a name without a file";

  const std::string old = "HEAD\r\n" + one + "\r\n/gone/two.mp3\r\n";
  Put("Older.qvt", old);
  prompts.Answers = {Cancel};
  Store().Loader().LoadProfile("Older", false);
  EXPECT_EQ(Files("Older"), (Names{old, ""})) << "after Cancel the old list stays as it was";
  Put("NoId.qvt",
      "[Profile]\r\nNumButtons=1\r\n[Button0]\r\nNumSounds=1\r\nSound0=" + one + "\r\n");
  Store().Loader().LoadProfile("NoId", false);
  EXPECT_EQ(FileNames(0), Names{"one.mp3"}) << "a [Profile] section without a number";

  std::string longList = "HEAD\r\n";
  for (int line = 0; line < 300; ++line) longList += one + "\r\n";
  Put("Long.qvt", longList);
  files.Calls.clear();
  Store().Loader().LoadProfile("Long", false);
  EXPECT_TRUE(Files("Long") == (Names{ProfileText(3, {Names(254, one)}), longList}))
      << "the old list is kept as the backup when it did not fit; Ghost, unlisted, holds 2";
  EXPECT_EQ(files.Calls.at(2), "rename .Long.BAK.saving Long.BAK")
      << "the old list reaches the backup before the file is rewritten";
  EXPECT_EQ(info, "Old list: 46 sounds left out, kept in Long.BAK");
  EXPECT_EQ(infoColour, InfoColour::Failure);
}

TEST_F(ProfileFileTest, AProfileThatCannotBeReadIsNeitherLoadedNorSavedOver) {
  Put("Huge.qvt", "[Profile]\r\nID=1\r\n");
  fs::resize_file(Profiles() + "Huge.qvt", MaxProfileFileBytes + 1);
  for (const bool byOpen : {false, true}) {
    SCOPED_TRACE(byOpen ? "opened" : "chosen in the selector");
    prompts.Questions.clear();
    prompts.TextCaptions.clear();
    prompts.Answers = {Ok};
    prompts.Texts = {std::nullopt};
    prompts.ChosenFiles = {{Profiles() + "Huge.qvt"}};
    SongProfile shown = Lists();
    shown.Buttons[0].Sounds.push_back({"a.mp3", "1", Sounds()});
    document.Replace(shown, "", true);
    if (byOpen) {
      Store().Open();
    } else {
      Choose("Huge");
    }
    EXPECT_EQ(prompts.Questions.at(0), (Question{"Profile Huge cannot be read.", "",
                                                 PromptButtons::Ok, PromptIcon::Exclamation}));
    EXPECT_EQ(Lists().SoundCount(), 0);
    EXPECT_EQ(Store().Selection().CurrentProfileName(), "");
    Store().Save();
    EXPECT_EQ(prompts.TextCaptions, Names{"Create profile name..."})
        << "saved only under a new name";
    EXPECT_EQ(fs::file_size(Profiles() + "Huge.qvt"), MaxProfileFileBytes + 1);
  }
}

TEST_F(ProfileFileTest, SavesReachTheDiskBeforeTheRenamesThatKeepTheProfileFileInPlace) {
  const std::string before = ProfileText(2, {{}, {}});
  // Each save: the new content written and flushed, the old one linked in
  // as the backup in one rename (or, without links, renamed to it), the new
  // one renamed in, the folder flushed.
  for (const bool withoutLinks : {false, true}) {
    Put("Home.qvt", before);
    Put("Home.BAK", "old backup");
    files.WithoutLinks = withoutLinks;
    files.Calls.clear();
    Edit([this](SongProfile& lists) { lists.Buttons[0].Sounds = {{"a.mp3", "1", Sounds()}}; });
    ASSERT_TRUE(Store().Stored().SaveProfile("Home"));
    EXPECT_EQ(files.Calls,
              (Names{"write .Home.saving", "sync .Home.saving", "link Home.qvt .Home.BAK.saving",
                     withoutLinks ? "rename Home.qvt Home.BAK" : "rename .Home.BAK.saving Home.BAK",
                     "rename .Home.saving Home.qvt", "sync Profiles/"}));
    EXPECT_EQ(Files("Home"), (Names{ProfileText(2, {{Sounds() + "a.mp3"}, {}}), before}));
  }
}

TEST_F(ProfileFileTest, NumbersAreReadAgainOnceAFileChanged) {
  Put("b.qvt", ProfileText(4, {}));
  Put("A.qvt", ProfileText(4, {}));
  EXPECT_EQ(Store().Stored().ReadProfileNumber("a"), 4);
  EXPECT_EQ(Store().Stored().FindProfileByNumber(4), "A") << "the first in folder order";
  EXPECT_EQ(Store().Stored().FindProfileByNumber(-1), "None");
  Put("A.qvt", ProfileText(6, {}));
  EXPECT_EQ(Store().Stored().ReadProfileNumber("A"), 6);
  EXPECT_EQ(Store().Stored().FindProfileByNumber(4), "b");
  fs::remove(Profiles() + "b.qvt");
  EXPECT_EQ(Store().Stored().FindProfileByNumber(4), "None");
  fs::rename(Profiles() + "A.qvt", Profiles() + "c.qvt");
  EXPECT_EQ(Store().Stored().FindProfileByNumber(6), "c");
}

TEST_F(ProfileFileTest, CountsFromFilesAreClampedAndAListTakesAtMost254) {
  const std::string one = Sound("one.mp3");
  std::string text = "[Profile]\r\nID=4\r\nNumButtons=12\r\n[Button0]\r\nNumSounds=300\r\n";
  for (int i = 0; i < 300; ++i) text += "Sound" + std::to_string(i) + "=" + one + "\r\n";
  Put("Big.qvt", text + "[Button1]\r\nNumSounds=-1\r\nSound0=" + one + "\r\n");
  prompts.Answers = {Yes};
  Store().Loader().LoadProfile("Big", false);
  EXPECT_EQ(Text("Big.qvt"), ProfileText(4, {Names(254, one), {}, {}, {}, {}, {}, {}, {}}));
}

TEST_F(ProfileFileTest, RetrievingTheBackupReadsOnlyTheBackupAndWritesNothing) {
  const std::string one = Sound("one.mp3"), two = Sound("two.mp3");
  const Names stored = {ProfileText(7, {{one}}), ProfileText(3, {{two}, {one, two}})};
  Put("Home.qvt", stored[0]);
  Put("Home.BAK", stored[1]);
  Store().RetrieveBackup();
  EXPECT_TRUE(Changed());
  EXPECT_EQ(Files("Home"), stored);
  Store().Save();
  EXPECT_EQ(Files("Home"), (Names{ProfileText(7, {{two}, {one, two}}), stored[0]}))
      << "sounds from the backup, number from the profile file";

  fs::remove(Profiles() + "Home.qvt");
  Put("Home.BAK", "HEAD\r\n" + one + "\r\n");
  Store().RetrieveBackup();
  EXPECT_EQ(FileNames(0), Names{"one.mp3"}) << "an old list as the backup is read as it is";
  EXPECT_EQ(Files("Home"), (Names{"", "HEAD\r\n" + one + "\r\n"})) << "and not converted";
}

TEST_F(ProfileFileTest, BadInputLoadsWhatCanBeReadAndChangesNothing) {
  const std::string one = Sound("one.mp3");
  // Binary junk, a key without a section, overlong counts, a NUL in a path,
  // and 100 MB of junk lines, one of them 5 MB long, before the last key.
  std::string junk = std::string("\0\xFF\xFE\x80 junk\n", 10) + "NumButtons=3\n[Profile]\n" +
                     "ID=2147483648\nNumButtons=2147483647\n[Button0]\nNumSounds=2147483647\n" +
                     "Sound0=" + one + std::string("\0tail\n", 6) + std::string(5 << 20, 'x');
  const std::string lines = std::string("\nk\xFF\0=", 5) + std::string(250, '\x80') + "\r; c\r";
  while (junk.size() < (100u << 20)) junk += lines;
  Put("Junk.qvt", junk += "\r\nSound1=" + one + "\r\n[Button1]\nNumSounds=-1\n");
  // Every path but one missing, each dropped; the lists that are left not saved.
  prompts.Answers.assign(MaxSoundsPerButton, No);
  Store().Loader().LoadProfile("Junk", false);
  EXPECT_EQ(FileNames(0), Names{"one.mp3"});
  EXPECT_EQ(Store().Stored().ReadProfileNumber("Junk"), NoProfileId);
  EXPECT_TRUE(Text("Junk.qvt") == junk);
  EXPECT_TRUE(prompts.AllAnswersUsed());
}

TEST_F(ProfileFileTest, AFileThatIsNoProfileIsNeitherLoadedNorConverted) {
  std::string random(3000, '\0');
  for (std::size_t i = 0; i < random.size(); ++i) random[i] = static_cast<char>(i * 131 + (i >> 3));
  const std::pair<const char*, std::string> notProfiles[] = {
      {"Random", random},
      {"Picture", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
      {"Nul", std::string("C:\\Sounds\\ding.mp3\r\nC:\\Sounds\\do") + '\0' + "ng.mp3\r\n"},
      {"Long line", "HEAD\r\n" + std::string(4093, 'x') + ".mp3\r\n"},
      {"Wide", std::string("\xFF\xFE") + std::string("a\0b\0", 4)},
      // Text that names no sound, or not only sounds.
      {"Note", "hello\n"},
      {"Word", "hello"},
      {"Header alone", "LIST\r\n"},
      {"Shopping", "HEAD\r\n/m/ding.mp3\r\nmilk\r\n"}};
  for (const auto& [name, bytes] : notProfiles) {
    SCOPED_TRACE(name);
    Put(std::string(name) + ".qvt", bytes);
    prompts = {};
    prompts.Answers = {Ok};
    Store().Selection().ListProfiles();
    Choose(name);
    EXPECT_EQ(prompts.Questions,
              (std::vector<Question>{{Profiles() + name + ".qvt is not a profile file.", "",
                                      PromptButtons::Ok, PromptIcon::Exclamation}}));
    EXPECT_EQ(Files(name), (Names{bytes, ""})) << "untouched, nothing converted";
    EXPECT_EQ(Store().Selection().CurrentProfileName(), "");
  }
  Put("Paths.qvt", "HEAD\r\n/a\tb.WAV\r\n\r\n" + std::string(4092, 'x') + ".Mp3\r\n");
  prompts = {};
  prompts.Answers = {No, No, No, No};
  Store().Loader().LoadProfile("Paths", false);
  EXPECT_EQ(prompts.Questions.size(), 4u) << "three missing paths and the save question";
}

TEST_F(ProfileFileTest, DroppingAMissingSoundWhileLoadingOffersToSaveTheProfileWithoutIt) {
  const std::string kept = Sound("kept.mp3");
  Put("Hall.qvt", ProfileText(6, {{"/gone/\x1b[31mred\a.mp3", kept}}));
  prompts.Answers = {No, Yes};
  Store().Loader().LoadProfile("Hall", false);
  EXPECT_EQ(prompts.Questions.at(0).Text.substr(0, 37), "The file : /gone/\\x1b[31mred\\x07.mp3 ")
      << "control characters are shown, never sent";
  EXPECT_EQ(prompts.Questions.at(1), SaveChangesQuestion("Hall"));
  EXPECT_EQ(Text("Hall.qvt"), ProfileText(6, {{kept}}));
}
