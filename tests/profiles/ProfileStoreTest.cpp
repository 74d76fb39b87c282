#include "StoreFixture.h"
#include "support/ReadOnlyFolder.h"

using ProfileStoreTest = StoreTest;

TEST_F(ProfileStoreTest, TheSelectorListsProfilesByNameRegardlessOfLetterCase) {
  for (const char* file : {"beta.qvt", "Alpha.QVT", "gamma.Qvt", "Zed.qvt", "alpha.qvt",
                           "backup.BAK", ".hidden.qvt", ".qvt", "notes.txt", "trailing .qvt"}) {
    StoreProfile(file, ProfileText(1, {}));
  }
  std::filesystem::create_directory(Profiles() + "folder.qvt");
  EXPECT_EQ(Store().ProfileList(), (std::vector<std::string>{"Alpha", "beta", "gamma", "Zed"}));
  EXPECT_EQ(Store().CurrentProfileName(), "Alpha");
}

TEST_F(ProfileStoreTest, NewCreatesAnEmptyProfileUnderTheLowestFreeNumber) {
  const std::string one = Sound("one.mp3");
  StoreProfile("A.qvt", ProfileText(0, {{one}}));
  StoreProfile("B.qvt", ProfileText(1, {}));
  StoreProfile("C.qvt", ProfileText(3, {}));
  Store().LoadProfile("A", false);
  view.Colour = InfoColour::Failure;
  prompts.Texts = {"Fresh"};
  Store().New();
  EXPECT_EQ(prompts.TextCaptions, std::vector<std::string>{"Create profile name..."});
  EXPECT_EQ(StoredText("Fresh.qvt"), ProfileText(2, {{}, {}}));
  EXPECT_EQ(Store().CurrentProfileName(), "Fresh");
  EXPECT_EQ(view.Info, "Profile created");
  EXPECT_EQ(view.Colour, InfoColour::Failure) << "keeps the colour the line had";

  prompts.Texts = {std::nullopt};
  Store().New();
  EXPECT_EQ(view.Info, "Cancelled new profile");

  Choose("A");
  prompts.Texts = {""};
  Store().New();
  EXPECT_EQ(view.Info, "Cannot save profile with out a name");
  EXPECT_EQ(FileNames(0), std::vector<std::string>{"one.mp3"}) << "the selected profile reloaded";

  Choose("B");
  prompts.Texts = {"a"};
  Store().New();
  EXPECT_EQ(view.Info, "Profile with the same name already exists");
  EXPECT_EQ(Store().CurrentProfileName(), "A");
  EXPECT_EQ(FileNames(0), std::vector<std::string>{"one.mp3"});
}

TEST_F(ProfileStoreTest, NamesThatCannotBeFileNamesAreRefusedBeforeAnyFileIsTouched) {
  for (const char* name : {"a/b", "a\\b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b",
                           "tab\there", ".", "..", ".hidden", "blank ", "dot.", "   "}) {
    prompts.Texts = {name};
    EXPECT_EQ(Store().CreateProfile(), ProfileNameRefused) << name;
    EXPECT_EQ(view.Info, "Invalid profile name") << name;
  }
  EXPECT_FALSE(Store().SaveProfile(""));
  EXPECT_EQ(view.Info, "Cannot save profile with out a name");
  EXPECT_FALSE(Store().WriteProfile("", 0));
  EXPECT_TRUE(std::filesystem::is_empty(Profiles()));
}

TEST_F(ProfileStoreTest, TooManyProfilesStopsNewWithItsBox) {
  for (int number = 0; number <= MaxProfileId; ++number) {
    StoreProfile("P" + std::to_string(number) + ".qvt",
                 "[Profile]\r\nID=" + std::to_string(number));
  }
  prompts.Texts = {"One more"};
  prompts.Answers = {PromptAnswer::Ok};
  Store().New();
  ExpectAsked(prompts.Questions.at(0),
              "You have exceeded the maximum number of profiles (65278). Cancelling new profile.",
              "Maximum Number Of Profiles", PromptButtons::Ok, PromptIcon::Stop);
  EXPECT_FALSE(Exists("One more.qvt"));
}

TEST_F(ProfileStoreTest, OpenLoadsTheProfileOfTheChosenFilesName) {
  StoreProfile("Home.qvt", ProfileText(0, {{Sound("one.mp3")}}));
  StoreProfile("Away.qvt", ProfileText(1, {}));
  prompts.ChosenFiles = {{Sounds() + "HOME.QVT"}};
  Store().Open();
  EXPECT_EQ(prompts.Dialogs[0].Title, "Load Profile");
  EXPECT_EQ(Store().CurrentProfileName(), "Home");

  prompts.ChosenFiles = {{"/elsewhere/New one.qvt"}};
  Store().Open();
  EXPECT_EQ(Store().ProfileList(), (std::vector<std::string>{"Away", "Home", "New one"}));
  EXPECT_EQ(Store().CurrentProfileName(), "New one");
  EXPECT_TRUE(Exists("New one.qvt"));
}

TEST_F(ProfileStoreTest, SaveAndSaveAsClearChangedOnlyWhenTheySaved) {
  Store();
  AddSound(0, "one.mp3");
  prompts.Texts = {std::nullopt};
  EXPECT_FALSE(Store().Save());
  EXPECT_TRUE(Store().State().Changed);
  prompts.Texts = {"First"};
  EXPECT_TRUE(Store().Save());
  const std::string saved = ProfileText(0, {{Sounds() + "one.mp3"}, {}});
  EXPECT_EQ(StoredText("First.qvt"), saved);
  EXPECT_EQ(StoredText("First.BAK"), saved);
  EXPECT_FALSE(Store().State().Changed);

  AddSound(1, "two.mp3");
  prompts.Texts = {std::nullopt};
  Store().SaveAs();
  EXPECT_TRUE(Store().State().Changed);
  prompts.Texts = {"Second"};
  Store().SaveAs();
  const std::string second = ProfileText(1, {{Sounds() + "one.mp3"}, {Sounds() + "two.mp3"}});
  EXPECT_EQ(StoredText("Second.qvt"), second);
  EXPECT_EQ(StoredText("Second.BAK"), second);
  EXPECT_FALSE(Store().State().Changed);
}

TEST_F(ProfileStoreTest, DeleteSelectsTheProfileBeforeTheDeletedOne) {
  StoreProfile("A.qvt", ProfileText(0, {}));
  StoreProfile("A.BAK", ProfileText(0, {}));
  StoreProfile("B.qvt", ProfileText(1, {{Sound("one.mp3")}}));
  StoreProfile("C.qvt", ProfileText(2, {}));
  prompts.Answers = {PromptAnswer::Cancel, PromptAnswer::Ok, PromptAnswer::Ok};
  Store().Delete();
  ExpectAsked(prompts.Questions[0], "Do you want to permanently delete the profile named A?",
              "Delete Profile", PromptButtons::OkCancel);
  EXPECT_EQ(view.Info, "Deletion canceled.");
  Store().Delete();
  EXPECT_FALSE(Exists("A.qvt") || Exists("A.BAK"));
  EXPECT_EQ(Store().CurrentProfileName(), "B") << "the first went: the new first";
  Choose("C");
  Store().Delete();
  EXPECT_EQ(Store().CurrentProfileName(), "B");

  std::filesystem::rename(Profiles() + "B.qvt", Profiles() + "kept");
  prompts.Answers = {PromptAnswer::Ok, PromptAnswer::Ok};
  Store().Delete();
  EXPECT_EQ(view.Info, "ERROR deleting profile B.");
  std::filesystem::rename(Profiles() + "kept", Profiles() + "B.qvt");
  Store().Delete();
  EXPECT_TRUE(Store().ProfileList().empty());

  Store().Delete();
  EXPECT_TRUE(prompts.AllAnswersUsed()) << "nothing selected: nothing asked";
}

TEST_F(ProfileStoreTest, TheSaveQuestionSavesIntoTheProfileTheEditsBelongTo) {
  for (const char* name : {"A", "B", "C"}) {
    StoreProfile(std::string(name) + ".qvt", ProfileText(name[0] - 'A', {{}, {}}));
  }
  const std::string untouched = ProfileText(1, {{}, {}});
  Store().LoadProfile("A", false);

  // A selection moved by keyboard or wheel, without the drop-down.
  AddSound(0, "edit.mp3");
  prompts.Answers = {PromptAnswer::Yes};
  Choose("B");
  ExpectAsked(prompts.Questions[0], "The current profile has changed. Save profile?",
              "Profile Changed", PromptButtons::YesNo);
  EXPECT_EQ(StoredText("A.qvt"), ProfileText(0, {{Sounds() + "edit.mp3"}, {}}));
  EXPECT_EQ(StoredText("B.qvt"), untouched);

  // Edits after an Open belong to the opened profile.
  prompts.ChosenFiles = {{Profiles() + "C.qvt"}};
  Store().Open();
  AddSound(1, "other.mp3");
  prompts.Answers = {PromptAnswer::Yes};
  Choose("A");
  EXPECT_EQ(StoredText("C.qvt"), ProfileText(2, {{}, {Sounds() + "other.mp3"}}));
  EXPECT_EQ(StoredText("B.qvt"), untouched);

  // Deleting the open profile drops its edits; the neighbour loads unasked.
  AddSound(0, "lost.mp3");
  prompts.Answers = {PromptAnswer::Ok};
  Store().Delete();
  EXPECT_EQ(StoredText("B.qvt"), untouched);
  EXPECT_TRUE(prompts.AllAnswersUsed());

  // With no profile open the edits go into a new one.
  std::filesystem::remove_all(Profiles());
  std::filesystem::create_directory(Profiles());
  store.reset();
  AddSound(0, "first.mp3");
  prompts.Answers = {PromptAnswer::Yes};
  prompts.Texts = {"Created"};
  EXPECT_TRUE(Store().AskSaveChangedProfile());
  EXPECT_EQ(StoredText("Created.qvt"), ProfileText(0, {{Sounds() + "first.mp3"}, {}}));
  EXPECT_EQ(view.Info, "Profile created");
}

TEST_F(ProfileStoreTest, EditsThatCouldNotBeSavedStayOnScreenStillUnsaved) {
  StoreProfile("A.qvt", ProfileText(0, {{}, {}}));
  StoreProfile("B.qvt", ProfileText(1, {{}, {}}));
  Store().LoadProfile("A", false);
  AddSound(0, "edit.mp3");
  ReadOnlyFolder readOnly(Profiles());
  if (!readOnly.Effective()) GTEST_SKIP() << "this file system cannot protect a folder";
  prompts.Answers = {PromptAnswer::Yes, PromptAnswer::Yes};
  Choose("B");
  EXPECT_EQ(view.Info, "ERROR saving profile A.");
  EXPECT_EQ(Store().CurrentProfileName(), "A");
  EXPECT_EQ(FileNames(0), std::vector<std::string>{"edit.mp3"});
  EXPECT_TRUE(Store().State().Changed);
  EXPECT_FALSE(Store().FormCloseQuery()) << "Yes closes only once the save succeeded";
}

TEST_F(ProfileStoreTest, ClosingAsksOnlyAboutUnsavedEdits) {
  StoreProfile("A.qvt", ProfileText(0, {{}, {}}));
  EXPECT_TRUE(Store().FormCloseQuery());
  Store().LoadProfile("A", false);
  AddSound(0, "edit.mp3");
  prompts.Answers = {PromptAnswer::Cancel, PromptAnswer::No, PromptAnswer::Yes};
  EXPECT_FALSE(Store().FormCloseQuery());
  ExpectAsked(prompts.Questions[0], "Save Profile Changes?", "Warning", PromptButtons::YesNoCancel,
              PromptIcon::Exclamation);
  EXPECT_TRUE(Store().FormCloseQuery());
  EXPECT_EQ(StoredText("A.qvt"), ProfileText(0, {{}, {}}));
  EXPECT_TRUE(Store().FormCloseQuery());
  EXPECT_EQ(StoredText("A.qvt"), ProfileText(0, {{Sounds() + "edit.mp3"}, {}}));
}

TEST_F(ProfileStoreTest, CheckingSoundFilesFindsDropsOrCancels) {
  const std::string found = Sound("found.mp3", 55);
  Sound("here.mp3");
  SongProfile& profile = Store().Profile();
  profile.Buttons[0].Sounds = {{"gone1.mp3", "1", "/x/", false},
                               {"gone2.mp3", "1", "/x/", false},
                               {"here.mp3", "100", Sounds(), false}};
  profile.Buttons[1].Sounds = {{"gone3.mp3", "1", "/x/", true}};
  profile.Buttons[2].Sounds = {{"absent slot.mp3", "1", "/x/", false}};
  prompts.Answers = {PromptAnswer::No, PromptAnswer::No, PromptAnswer::Yes};
  prompts.ChosenFiles = {{found}};
  const SoundFileCheck check = Store().CheckSoundFiles();
  EXPECT_EQ(check.Result, 0);
  EXPECT_EQ(check.Removed, 2);
  EXPECT_EQ(check.Replaced, 1);
  ExpectAsked(prompts.Questions.at(1), MissingFileText("/x/gone2.mp3"), "File Does Not Exist",
              PromptButtons::YesNoCancel);
  EXPECT_EQ(prompts.Dialogs[0].ProposedFile, "/x/gone3.mp3");
  EXPECT_EQ(FileNames(0), std::vector<std::string>{"here.mp3"});
  const SoundEntry& replaced = profile.Buttons[1].Sounds[0];
  EXPECT_EQ(replaced.FullPath(), found);
  EXPECT_TRUE(replaced.Checked);

  profile.Buttons[0].Sounds.push_back({"gone4.mp3", "1", "/x/", false});
  prompts.Answers = {PromptAnswer::Yes, PromptAnswer::Cancel};
  prompts.ChosenFiles = {{}};
  EXPECT_EQ(Store().CheckSoundFiles().Result, CheckCancelled);
  EXPECT_EQ(Store().CheckSoundFiles().Result, CheckCancelled);
  EXPECT_EQ(FileNames(0), (std::vector<std::string>{"here.mp3", "gone4.mp3"}));
}
