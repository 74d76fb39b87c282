#include "StoreFixture.h"

namespace {

// A folder outside the Profiles folder, as a download or a USB stick.
class ProfileFileSelectionTest : public StoreTest {
 protected:
  ProfileFileSelectionTest() { fs::create_directory(Elsewhere()); }
  std::string Elsewhere() const { return folder.Path() + "Elsewhere/"; }
  std::string Outside(const std::string& file, const std::string& bytes) const {
    WriteFile(Elsewhere() + file, bytes);
    return Elsewhere() + file;
  }
  static Question ReplaceQuestion(const std::string& name) {
    return {"Profile " + name + " already exists. Replace it?", "", PromptButtons::YesNo,
            PromptIcon::Exclamation, PromptAnswer::No};
  }
};

using enum PromptAnswer;

}  // namespace

TEST_F(ProfileFileSelectionTest, AFileOfTheProfilesFolderIsSelectedWithoutCopyOrQuestion) {
  Put("Back Door.qvt", ProfileText(1, {}));
  Put("Porch.qvt", ProfileText(2, {}));
  Store();
  EXPECT_TRUE(Answered(Store().SelectProfileFile(Profiles() + "Porch.qvt")));
  EXPECT_EQ(Store().Selection().CurrentProfileName(), "Porch");
  // Another spelling of the folder, and a link to the file, name the same file.
  fs::create_symlink(Profiles(), folder.Path() + "Linked");
  EXPECT_TRUE(Answered(Store().SelectProfileFile(folder.Path() + "Linked/../Profiles/Back Door.qvt")));
  EXPECT_TRUE(Answered(Store().SelectProfileFile(folder.Path() + "Linked/Porch.qvt")));
  EXPECT_EQ(Store().Selection().CurrentProfileName(), "Porch");
  EXPECT_TRUE(files.Calls.empty()) << files.Calls.front();
  EXPECT_TRUE(prompts.Questions.empty());
}

TEST_F(ProfileFileSelectionTest,
       AFileFromElsewhereIsCopiedInUnderItsNameAndAskedAboutOnlyWhenItDiffers) {
  const std::string porch = ProfileText(4, {{Sound("ring.mp3")}});
  Put("Front Door.qvt", ProfileText(1, {}));
  Store();
  EXPECT_TRUE(Answered(Store().SelectProfileFile(Outside("Porch.qvt", porch))));
  EXPECT_EQ(Files("Porch"), (Names{porch, ""})) << "byte for byte, no backup";
  EXPECT_EQ(Store().Selection().ProfileList(), (Names{"Front Door", "Porch"}));
  EXPECT_EQ(Store().Selection().CurrentProfileName(), "Porch");
  EXPECT_EQ(Lists().SoundCount(), 0) << "selected, loaded by the page";

  // The same content again, in any letter case: nothing asked, nothing written.
  files.Calls.clear();
  Choose("Front Door");
  EXPECT_TRUE(Answered(Store().SelectProfileFile(Outside("PORCH.QVT", porch))));
  EXPECT_EQ(Store().Selection().CurrentProfileName(), "Porch");
  EXPECT_TRUE(files.Calls.empty()) << files.Calls.front();
  EXPECT_TRUE(prompts.Questions.empty());

  // Other content: No (the default) opens the stored profile unchanged.
  const std::string newer = ProfileText(4, {{Sound("ring.mp3"), Sound("knock.wav")}});
  Choose("Front Door");
  prompts.Answers = {No};
  EXPECT_TRUE(Answered(Store().SelectProfileFile(Outside("Porch.qvt", newer))));
  EXPECT_EQ(prompts.Questions.at(0), ReplaceQuestion("Porch"));
  EXPECT_EQ(Files("Porch"), (Names{porch, ""}));
  EXPECT_EQ(Store().Selection().CurrentProfileName(), "Porch");

  // Yes: the file replaces it, and the replaced content is its backup.
  prompts.Answers = {Yes};
  EXPECT_TRUE(Answered(Store().SelectProfileFile(Elsewhere() + "Porch.qvt")));
  EXPECT_EQ(Files("Porch"), (Names{newer, porch}));
  EXPECT_EQ(Store().Selection().CurrentProfileName(), "Porch");
  EXPECT_TRUE(prompts.AllAnswersUsed());
}

TEST_F(ProfileFileSelectionTest, AFileThatIsNoProfileOrHasNoUsableNameIsRefusedAndNothingIsCopied) {
  Put("Front Door.qvt", ProfileText(1, {}));
  Choose("Front Door");
  const std::pair<std::string, std::string> refused[] = {
      {Outside("Picture.qvt", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)),
       Elsewhere() + "Picture.qvt is not a profile file."},
      {Outside("notes.qvt", "hello\n"), Elsewhere() + "notes.qvt is not a profile file."},
      {Elsewhere() + "Gone.qvt", "Profile Gone cannot be read."},
      {Outside("What?.qvt", ProfileText(2, {})), "Invalid profile name"},
      {Outside(".qvt", ProfileText(2, {})), "Invalid profile name"},
  };
  for (const auto& [file, text] : refused) {
    prompts.Answers = {Ok};
    prompts.Questions.clear();
    EXPECT_FALSE(Answered(Store().SelectProfileFile(file))) << file;
    EXPECT_EQ(prompts.Questions,
              (std::vector<Question>{{text, "", PromptButtons::Ok, PromptIcon::Exclamation}}));
    EXPECT_EQ(Store().Selection().CurrentProfileName(), "Front Door") << file;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(Profiles()), {}), 1) << "nothing copied";
  EXPECT_TRUE(files.Calls.empty()) << files.Calls.front();

  // A folder that refuses the copy says so and keeps the selection.
  files.ReadOnly = true;
  prompts.Answers = {Ok};
  EXPECT_FALSE(Answered(Store().SelectProfileFile(Outside("Porch.qvt", ProfileText(2, {})))));
  EXPECT_EQ(prompts.Questions.back(),
            (Question{"ERROR saving profile Porch.", "", PromptButtons::Ok, PromptIcon::Stop}));
  EXPECT_EQ(Store().Selection().CurrentProfileName(), "Front Door");
}

TEST_F(ProfileFileSelectionTest, UnsavedEditsAreSavedFirstAndAReplacedProfileKeepsThemAsItsBackup) {
  Put("Porch.qvt", ProfileText(2, {{}}));
  Choose("Porch");
  AddSound(0, "edit.mp3");
  const std::string saved = ProfileText(2, {{Sounds() + "edit.mp3"}});
  const std::string incoming = ProfileText(2, {{Sound("ring.mp3")}});
  prompts.Answers = {Yes, Yes};
  EXPECT_TRUE(Answered(Store().SelectProfileFile(Outside("Porch.qvt", incoming))));
  EXPECT_EQ(prompts.Questions.at(0), SaveChangesQuestion("Porch"))
      << "asked before the copy";
  EXPECT_EQ(prompts.Questions.at(1), ReplaceQuestion("Porch"));
  EXPECT_EQ(Files("Porch"), (Names{incoming, saved}));
  EXPECT_FALSE(Changed());

  // A refused file is refused before the question: the edits stay on screen.
  AddSound(0, "second.mp3");
  prompts.Answers = {Ok};
  EXPECT_FALSE(Answered(Store().SelectProfileFile(Outside("Notes.qvt", std::string("\0\1", 2)))));
  EXPECT_TRUE(Changed());
  EXPECT_EQ(FileNames(0), (Names{"edit.mp3", "second.mp3"}));

  // Cancel on the save question: nothing copied, the edits stay, unsaved.
  prompts.Answers = {Cancel};
  EXPECT_FALSE(Answered(Store().SelectProfileFile(Outside("Porch.qvt", ProfileText(2, {})))));
  EXPECT_EQ(Files("Porch"), (Names{incoming, saved}));
  EXPECT_TRUE(Changed());
}

TEST_F(ProfileFileSelectionTest, ACopiedProfileTakesAFreeNumberOnlyWhenAnotherProfileHasItsOwn) {
  Put("Front Door.qvt", ProfileText(0, {}));
  Put("Back Door.qvt", ProfileText(1, {}));
  Put("Porch.qvt", ProfileText(3, {}));
  Store();
  const std::string clashing = ProfileText(1, {{Sound("ring.mp3")}});
  EXPECT_TRUE(Answered(Store().SelectProfileFile(Outside("Garden.qvt", clashing))));
  EXPECT_EQ(Text("Garden.qvt"), ProfileText(2, {{Sounds() + "ring.mp3"}})) << "the lowest free";

  // The number of the profile it replaces is its own to keep.
  const std::string porch = ProfileText(3, {{Sounds() + "ring.mp3"}});
  prompts.Answers = {Yes};
  EXPECT_TRUE(Answered(Store().SelectProfileFile(Outside("Porch.qvt", porch))));
  EXPECT_EQ(Text("Porch.qvt"), porch);
  // An old list has no number yet.
  EXPECT_TRUE(Answered(Store().SelectProfileFile(Outside("Old.qvt", Sounds() + "ring.mp3\r\n"))));
  EXPECT_EQ(Text("Old.qvt"), Sounds() + "ring.mp3\r\n");
}
