#include "StoreFixture.h"

#include <functional>

using ProfileStoreTest = StoreTest;
using enum PromptAnswer;

TEST_F(ProfileStoreTest, TheSelectorListsProfilesByNameRegardlessOfLetterCase) {
  for (const char* file : {"beta.qvt", "Alpha.QVT", "gamma.Qvt", "Zed.qvt", "alpha.qvt",
                           "backup.BAK", ".hidden.qvt", ".qvt", "notes.txt", "trailing .qvt"})
    Put(file, ProfileText(1, {{Sound("one.mp3")}}));
  fs::create_directory(Profiles() + "folder.qvt");
  EXPECT_EQ(Store().Selection().ProfileList(), (Names{"Alpha", "beta", "gamma", "Zed"}));
  Store().Loader().LoadProfile("ALPHA", false);
  EXPECT_EQ(FileNames(0), Names{"one.mp3"}) << "read from Alpha.QVT";
}

TEST_F(ProfileStoreTest, NewAsksForTheNameFirstAndARefusedNameLeavesTheOpenProfileAsItWas) {
  const std::string one = Sound("one.mp3");
  Put("A.qvt", ProfileText(0, {{one}}));
  Put("B.qvt", ProfileText(1, {}));
  Put("C.qvt", ProfileText(3, {}));
  Store().Loader().LoadProfile("A", false);
  const std::pair<std::optional<std::string>, std::string> refused[] = {
      {"", "Cannot save profile with out a name"},
      {std::nullopt, "Cancelled new profile"},
      {"a/b", "Invalid profile name"},
      {"b", "Profile with the same name already exists"}};
  for (const auto& [answer, text] : refused) {
    prompts.Texts = {answer};
    Store().New();
    EXPECT_EQ(info, text);
    EXPECT_EQ(Store().Selection().CurrentProfileName() + "|" + Lists().Name, "A|A") << text;
    EXPECT_EQ(FileNames(0), Names{"one.mp3"}) << text;
  }

  prompts.Texts = {"Fresh"};
  infoColour = InfoColour::Failure;
  Store().New();
  EXPECT_EQ(prompts.TextCaptions.at(0), "Create profile name...");
  EXPECT_EQ(Text("Fresh.qvt"), ProfileText(2, {{}})) << "the buttons of A, emptied";
  EXPECT_EQ(Store().Selection().CurrentProfileName(), "Fresh");
  EXPECT_EQ(info, "Profile created");
  EXPECT_EQ(infoColour, InfoColour::Failure) << "keeps the colour the line had";

  // Unsaved edits are offered for saving before the name is asked.
  AddSound(0, "two.mp3");
  prompts.Answers = {Yes};
  prompts.Texts = {std::nullopt};
  Store().New();
  EXPECT_EQ(prompts.Questions.at(0), SaveChangesQuestion("Fresh"));
  EXPECT_EQ(Text("Fresh.qvt"), ProfileText(2, {{Sounds() + "two.mp3"}}));
  EXPECT_EQ(info, "Cancelled new profile");

  for (const char* name : {"a/b", "a\\b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b",
                           "tab\there", ".", "..", ".hidden", "blank ", "dot.", "   "}) {
    prompts.Texts = {name};
    EXPECT_EQ(Answered(Store().CreateProfile()), ProfileCreation::NameRefused) << name;
    EXPECT_EQ(info, "Invalid profile name") << name;
  }
  EXPECT_FALSE(Store().Stored().SaveProfile("") || Store().Stored().WriteProfile("", 0));
  EXPECT_EQ(info, "Cannot save profile with out a name");
  EXPECT_EQ(std::distance(fs::directory_iterator(Profiles()), {}), 5) << "no file touched";
}

TEST_F(ProfileStoreTest, TooManyProfilesStopsNewWithItsBox) {
  for (int number = 0; number <= MaxProfileId; ++number)
    Put("P" + std::to_string(number) + ".qvt", "[Profile]\nID=" + std::to_string(number));
  AddSound(0, "kept.mp3");
  prompts.Texts = {"One more"};
  prompts.Answers = {No, Ok};
  Store().New();
  EXPECT_EQ(FileNames(0), Names{"kept.mp3"}) << "the lists stay as they were";
  EXPECT_EQ(prompts.Questions.at(1),
            (Question{"You have exceeded the maximum number of profiles (65278). Cancelling new "
                      "profile.",
                      "Maximum Number Of Profiles", PromptButtons::Ok, PromptIcon::Stop}));
  EXPECT_EQ(Text("One more.qvt"), "");
}

TEST_F(ProfileStoreTest, SavesClearChangedOnlyWhenTheySavedAndNeverLoseTheProfile) {
  const std::string one = Sounds() + "one.mp3", two = Sounds() + "two.mp3";
  EXPECT_TRUE(Answered(Store().FormCloseQuery())) << "nothing to save: nothing asked";
  AddSound(0, "one.mp3");
  prompts.Texts = {std::nullopt, "", "First", std::nullopt, "Second", "Fresh"};
  EXPECT_FALSE(Answered(Store().Save()));
  EXPECT_TRUE(Changed());
  EXPECT_FALSE(Answered(Store().Save()));
  EXPECT_EQ(info, "Cannot save profile with out a name");
  EXPECT_TRUE(Changed());
  EXPECT_EQ(Lists().Buttons[0].Sounds.size(), 1u);
  EXPECT_TRUE(Answered(Store().Save()));
  EXPECT_EQ(Files("First"), Names(2, ProfileText(0, {{one}, {}})));
  EXPECT_FALSE(Changed());
  AddSound(1, "two.mp3");
  Store().SaveAs();
  EXPECT_TRUE(Changed());
  Store().SaveAs();
  const std::string second = ProfileText(1, {{one}, {two}});
  EXPECT_EQ(Files("Second"), Names(2, second));
  EXPECT_FALSE(Changed());

  AddSound(1, "three.mp3");
  prompts.Answers = {Cancel, No, Yes, Yes, Yes};
  EXPECT_FALSE(Answered(Store().FormCloseQuery()));
  EXPECT_EQ(prompts.Questions.at(0),
            (Question{"Save changes to profile Second?",
                      "Unsaved Changes",
                      PromptButtons::YesNoCancel,
                      PromptIcon::Exclamation,
                      Yes,
                      {"Save", "Don't Save", "Cancel"}}));
  EXPECT_TRUE(Answered(Store().FormCloseQuery()));
  EXPECT_EQ(Text("Second.qvt"), second);
  EXPECT_TRUE(Answered(Store().FormCloseQuery()));
  const std::string third = ProfileText(1, {{one}, {two, Sounds() + "three.mp3"}});
  EXPECT_EQ(Files("Second"), (Names{third, second}));

  // A backup that cannot be removed stops the save before anything moves.
  AddSound(0, "four.mp3");
  fs::remove(Profiles() + "Second.BAK");
  fs::create_directories(Profiles() + "Second.BAK/inside");
  EXPECT_FALSE(Store().Stored().SaveProfile("Second"));
  EXPECT_EQ(Text("Second.qvt"), third);
  EXPECT_EQ(info, "ERROR saving profile Second.");
  EXPECT_EQ(infoColour, InfoColour::Failure);
  fs::remove_all(Profiles() + "Second.BAK");
  Put("Second.BAK", "old backup");

  files.ReadOnly = true;
  Choose("First");
  EXPECT_EQ(Files("Second"), (Names{third, "old backup"}));
  EXPECT_EQ(Store().Selection().CurrentProfileName(), "Second")
      << "the edits stay on screen, unsaved";
  EXPECT_EQ(FileNames(0), (Names{"one.mp3", "four.mp3"}));
  EXPECT_TRUE(Changed());
  EXPECT_FALSE(Answered(Store().FormCloseQuery())) << "Yes closes only once the save succeeded";
  EXPECT_EQ(Answered(Store().CreateProfile()), ProfileCreation::NotWritten);
  EXPECT_EQ(Store().Selection().ProfileList(), (Names{"First", "Second"}));
  EXPECT_EQ(info, "ERROR saving profile Fresh.");
  EXPECT_TRUE(Changed());
  prompts.Answers = {No};
  prompts.Texts = {"Other"};
  Store().New();
  EXPECT_EQ(info, "ERROR saving profile Other.");
  EXPECT_EQ(FileNames(0), (Names{"one.mp3", "four.mp3"}))
      << "a new file that fails keeps the lists";
  EXPECT_EQ(Lists().Name, "Second");
}

TEST_F(ProfileStoreTest, SaveAsOntoAnExistingNameAsksToReplaceItAndNeverLosesTheEdits) {
  Put("A.qvt", ProfileText(0, {{}, {}}));
  const Names before = {ProfileText(1, {{Sound("b.mp3")}, {}}), "old backup"};
  Put("B.qvt", before[0]);
  Put("B.BAK", before[1]);
  Choose("A");
  AddSound(0, "edit.mp3");
  prompts.Texts = {""};
  Store().SaveAs();
  EXPECT_EQ(info, "Cannot save profile with out a name");
  EXPECT_EQ(FileNames(0), Names{"edit.mp3"}) << "an empty name cancels, the edits stay";
  EXPECT_TRUE(Changed());

  // No gives the name box back with the name in it; Cancel there changes nothing.
  prompts.Texts = {"b", std::nullopt};
  prompts.Answers = {No};
  Store().SaveAs();
  EXPECT_EQ(prompts.Questions.at(0),
            (Question{"Profile b already exists. Replace it?", "", PromptButtons::YesNo,
                      PromptIcon::Exclamation, No}));
  EXPECT_EQ(prompts.InitialTexts, (Names{"", "", "b"}));
  EXPECT_EQ(Files("B"), before);
  EXPECT_EQ(Files("A"), (Names{ProfileText(0, {{}, {}}), ""}));
  EXPECT_EQ(FileNames(0), Names{"edit.mp3"});
  EXPECT_EQ(Store().Selection().CurrentProfileName(), "A");
  EXPECT_TRUE(Changed());

  // Yes: the lists go into B under a fresh number, its old content into its backup.
  prompts.Texts = {"b"};
  prompts.Answers = {Yes};
  Store().SaveAs();
  EXPECT_EQ(Files("B"), (Names{ProfileText(2, {{Sounds() + "edit.mp3"}, {}}), before[0]}));
  EXPECT_EQ(Store().Selection().CurrentProfileName() + "|" + Lists().Name, "B|B");
  EXPECT_FALSE(Changed());
  EXPECT_EQ(info, "Profile saved");
  EXPECT_EQ(Files("A"), (Names{ProfileText(0, {{}, {}}), ""}));
}

TEST_F(ProfileStoreTest, DeleteSelectsTheProfileBeforeTheDeletedOne) {
  for (const char* file : {"A.qvt", "A.BAK", "C.qvt", "D.qvt"}) Put(file, ProfileText(0, {}));
  Put("B.qvt", ProfileText(1, {{Sound("one.mp3")}}));
  prompts.Answers = {Cancel, Ok, Ok, Ok, Ok, Ok};
  Store().Delete();
  EXPECT_EQ(prompts.Questions.at(0),
            (Question{"Do you want to permanently delete the profile named A?", "Delete Profile",
                      PromptButtons::OkCancel}));
  EXPECT_EQ(info, "Deletion canceled.");
  for (const std::string name : {"C", "A", "D"}) {  // A, the first, goes: the new first
    Choose(name);
    Store().Delete();
    EXPECT_EQ(Store().Selection().CurrentProfileName(), "B") << name;
    EXPECT_EQ(info, "Profile " + name + " deleted.");
    EXPECT_EQ(Files(name), (Names{"", ""})) << "file and backup";
  }

  fs::rename(Profiles() + "B.qvt", Profiles() + "kept");
  Store().Delete();
  EXPECT_EQ(info, "ERROR deleting profile B.");
  fs::rename(Profiles() + "kept", Profiles() + "B.qvt");
  Store().Delete();
  EXPECT_TRUE(Store().Selection().ProfileList().empty());
  EXPECT_EQ(Lists().SoundCount(), 0);
  Store().Delete();  // nothing selected: nothing asked
}

TEST_F(ProfileStoreTest, TheSaveQuestionSavesIntoTheProfileTheEditsBelongTo) {
  AddSound(0, "first.mp3");
  prompts.Answers = {Yes, Yes, Yes, Ok};
  prompts.Texts = {"Created"};
  EXPECT_TRUE(Answered(Store().AskSaveChangedProfile())) << "no profile open: into a new one";
  EXPECT_EQ(Text("Created.qvt"), ProfileText(0, {{Sounds() + "first.mp3"}, {}}));
  EXPECT_EQ(info, "Profile created");

  for (const char* name : {"A", "B", "C"})
    Put(std::string(name) + ".qvt", ProfileText(name[0] - 'A' + 1, {{}, {}}));
  Store().Selection().ListProfiles();
  Store().Loader().LoadProfile("A", false);
  AddSound(0, "edit.mp3");
  Choose("B");  // as by keyboard or wheel, without the drop-down
  EXPECT_EQ(prompts.Questions.at(1), SaveChangesQuestion("A"));
  EXPECT_EQ(Text("A.qvt"), ProfileText(1, {{Sounds() + "edit.mp3"}, {}}));

  prompts.ChosenFiles = {{Sounds() + "c.QVT"}, {"/elsewhere/New one.qvt"}};
  Store().Open();
  EXPECT_EQ(prompts.Dialogs.at(0).Title, "Load Profile");
  AddSound(1, "other.mp3");
  Choose("A");
  EXPECT_EQ(Text("C.qvt"), ProfileText(3, {{}, {Sounds() + "other.mp3"}})) << "the opened one";

  AddSound(0, "lost.mp3");
  Store().Delete();
  EXPECT_EQ(Text("B.qvt"), ProfileText(2, {{}, {}})) << "the deleted one's edits are dropped";
  Store().Open();
  EXPECT_EQ(Store().Selection().ProfileList(), (Names{"B", "C", "Created", "New one"}));
  EXPECT_EQ(Store().Selection().CurrentProfileName(), "New one");
  EXPECT_EQ(Text("New one.qvt"), ProfileText(1, {{}, {}}));
}

TEST_F(ProfileStoreTest, OpenOffersUnsavedEditsForSavingOnceAProfileIsChosen) {
  Put("A.qvt", ProfileText(1, {{}, {}}));
  Put("B.qvt", ProfileText(2, {{}, {}}));
  Store().Selection().ListProfiles();
  Store().Loader().LoadProfile("A", false);
  AddSound(0, "edit.mp3");
  prompts.ChosenFiles = {{}};
  Store().Open();
  EXPECT_TRUE(prompts.Questions.empty()) << "a cancelled dialog asks nothing";

  prompts.ChosenFiles = {{Profiles() + "B.qvt"}};
  prompts.Answers = {Yes};
  Store().Open();
  EXPECT_EQ(prompts.Questions.at(0), SaveChangesQuestion("A"));
  EXPECT_EQ(Text("A.qvt"), ProfileText(1, {{Sounds() + "edit.mp3"}, {}}));
  EXPECT_EQ(Store().Selection().CurrentProfileName(), "B");
  EXPECT_FALSE(Changed());
}

TEST_F(ProfileStoreTest, CheckingSoundFilesFindsDropsOrCancels) {
  SongProfile lists = Lists();
  lists.Buttons[0].Sounds = {{"gone1.mp3", "1", "/x/", false},
                             {"gone2.mp3", "1", "/x/", false},
                             {"here.mp3", "100", Sounds(), false}};
  lists.Buttons[1].Sounds = {{"gone3.mp3", "1", "/x/", true}, {"later.MP3", "1", "/x/", false}};
  lists.Buttons[2].Sounds = {{"absent slot.mp3", "1", "/x/", false}};
  Store().Document().Replace(lists, "", true);
  Sound("here.mp3");
  Sound("later.mp3", 7);
  const SongProfile& profile = Lists();
  prompts.Answers = {No, No, Yes, Yes, Cancel};
  prompts.ChosenFiles = {{Sound("found.mp3", 55)}, {}};
  const SoundFileCheck check = Answered(Store().Loader().CheckSoundFiles());
  EXPECT_EQ(std::tie(check.Cancelled, check.Removed, check.Replaced), std::make_tuple(false, 2, 2));
  EXPECT_EQ(profile.Buttons[1].Sounds.at(1).FullPath(), Sounds() + "later.mp3")
      << "found in the folder of the sound found before, without a question";
  EXPECT_EQ(info, "1 sounds found in " + Sounds());
  EXPECT_EQ(prompts.Questions.at(1).Icon, PromptIcon::None);
  EXPECT_EQ(prompts.Dialogs.at(0).ProposedFile, "gone3.mp3");
  EXPECT_EQ(FileNames(0), Names{"here.mp3"});
  const SoundEntry& replaced = profile.Buttons[1].Sounds.at(0);
  EXPECT_EQ(std::tie(replaced.FileName, replaced.SizeText, replaced.Directory, replaced.Checked),
            std::make_tuple("found.mp3", "55", Sounds(), true));

  Edit([](SongProfile& open) { open.Buttons[0].Sounds.push_back({"gone4.mp3", "1", "/x/", false}); });
  EXPECT_TRUE(Answered(Store().Loader().CheckSoundFiles()).Cancelled);
  EXPECT_EQ(prompts.Dialogs.at(1).InitialFolder, Sounds()) << "where the last sound was found";
  EXPECT_TRUE(Answered(Store().Loader().CheckSoundFiles()).Cancelled);
  EXPECT_EQ(FileNames(0), (Names{"here.mp3", "gone4.mp3"}));
}

TEST_F(ProfileStoreTest, TheSelectorFollowsTheFolderAndNewNumbersAreFreeOnDisk) {
  Put("A.qvt", ProfileText(0, {{}, {}}));
  Put("B.qvt", ProfileText(1, {{}, {}}));
  Choose("A");
  Put("Copied.qvt", ProfileText(2, {{}, {}}));  // copied in while the program runs
  prompts.Texts = {"Fresh"};
  Store().New();
  EXPECT_EQ(Text("Fresh.qvt"), ProfileText(3, {{}, {}})) << "2 is the copied file's";
  fs::remove(Profiles() + "B.qvt");
  fs::rename(Profiles() + "A.qvt", Profiles() + "Renamed.qvt");
  Store().Selection().RefreshProfileList();
  EXPECT_EQ(Store().Selection().ProfileList(), (Names{"Copied", "Fresh", "Renamed"}));
  EXPECT_EQ(Store().Selection().CurrentProfileName(), "Fresh");
}

TEST_F(ProfileStoreTest, EveryWayAwayFromUnsavedEditsAsksOneQuestionAndCancelChangesNothing) {
  Put("A.qvt", ProfileText(0, {{}, {}}));
  Put("A.BAK", ProfileText(0, {{}, {}}));
  Put("B.qvt", ProfileText(1, {{"/gone/b.mp3"}, {}}));
  Choose("A");
  AddSound(0, "edit.mp3");
  const auto asIsBefore = [this] {
    return FileNames(0) == Names{"edit.mp3"} && Changed() &&
           Store().Selection().CurrentProfileName() == "A" &&
           Text("A.qvt") == ProfileText(0, {{}, {}});
  };
  const std::pair<const char*, std::function<void()>> waysAway[] = {
      {"another profile", [this] { Choose("B"); }},
      {"Open", [this] { Store().Open(); }},
      {"New", [this] { Store().New(); }},
      {"Retrieve Backup", [this] { Store().RetrieveBackup(); }},
      {"closing", [this] { EXPECT_FALSE(Answered(Store().FormCloseQuery())); }}};
  for (const auto& [way, take] : waysAway) {
    SCOPED_TRACE(way);
    prompts = {};
    prompts.Answers = {Cancel};
    prompts.ChosenFiles = {{Profiles() + "B.qvt"}};
    take();
    EXPECT_EQ(prompts.Questions, std::vector<Question>{SaveChangesQuestion("A")});
    EXPECT_TRUE(asIsBefore());
  }

  // Don't Save, then Stop Loading: the edits are still there, still unsaved.
  prompts = {};
  prompts.Answers = {No, Cancel};
  Choose("B");
  EXPECT_TRUE(asIsBefore());
  EXPECT_EQ(prompts.Questions.at(1).Captions.back(), "Stop Loading");
}
