#include "profiles/ProfileDocument.h"

#include <gtest/gtest.h>

namespace {

// The document with what it told its follower, change by change.
class ProfileDocumentTest : public ::testing::Test {
 protected:
  ProfileDocumentTest() {
    document.Follow([this](DocumentChange change) { told.push_back(change); });
  }
  void Add(const std::string& name) {
    document.Edit("Add " + name, [&name](SongProfile& lists) {
      lists.Buttons[0].Sounds.push_back({name, "100", "/sounds/"});
    });
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const SoundEntry& sound : document.Lists().Buttons[0].Sounds) names.push_back(sound.FileName);
    return names;
  }
  // What was told since the last look.
  std::vector<DocumentChange> Told() { return std::exchange(told, {}); }

  ProfileDocument document;
  std::vector<DocumentChange> told;
};

using enum DocumentChange;
using Changes = std::vector<DocumentChange>;

}  // namespace

TEST_F(ProfileDocumentTest, AnEditUndoSaveAndUndoAgainSetTheMarkAsTheFileHoldsTheLists) {
  document.Replace({}, "Porch", true);
  EXPECT_EQ(Told(), Changes{Replaced});
  Add("a.mp3");
  EXPECT_EQ(Told(), (Changes{Edited, Marked}));
  EXPECT_TRUE(document.Changed());
  document.Undo();
  EXPECT_EQ(Told(), (Changes{Edited, Marked}));
  EXPECT_FALSE(document.Changed()) << "back where the file is";
  document.Redo();
  document.MarkSaved();
  EXPECT_EQ(Told(), (Changes{Edited, Marked, Marked}));
  EXPECT_FALSE(document.Changed());
  document.Undo();
  EXPECT_EQ(Told(), (Changes{Edited, Marked}));
  EXPECT_TRUE(document.Changed()) << "the file holds a.mp3, the lists do not";
  EXPECT_TRUE(Names().empty());
  document.Redo();
  EXPECT_FALSE(document.Changed()) << "the saved state again";
}

TEST_F(ProfileDocumentTest, AnEditThatChangesNothingIsNoStepAndTicksAreNoEdit) {
  Add("a.mp3");
  Told();
  document.Edit("Nothing", [](SongProfile&) {});
  document.Tick(0, 0, true);
  EXPECT_EQ(Told(), Changes{Ticked});
  EXPECT_EQ(document.UndoName(), "Add a.mp3");
  document.Edit("Move the folder", [](SongProfile& lists) {
    lists.Buttons[0].Sounds[0].Directory = "/elsewhere/";
  });
  EXPECT_EQ(document.UndoName(), "Move the folder") << "a folder of its own is an edit";
}

TEST_F(ProfileDocumentTest, AnEditAfterUndoDropsTheStepsUndoneAndTheSaveAmongThem) {
  Add("a.mp3");
  Add("b.mp3");
  document.MarkSaved();
  document.Undo();
  document.Undo();
  Add("c.mp3");
  EXPECT_FALSE(document.CanRedo());
  EXPECT_TRUE(document.Changed());
  document.Undo();
  EXPECT_TRUE(document.Changed()) << "no step of the history is what the file holds";
}

TEST_F(ProfileDocumentTest, TheHistoryKeepsTheLastHundredStepsAndAReplaceStartsItAfresh) {
  for (int sound = 0; sound < 105; ++sound) Add(std::to_string(sound) + ".mp3");
  int undone = 0;
  while (document.CanUndo()) {
    document.Undo();
    ++undone;
  }
  EXPECT_EQ(undone, 100);
  EXPECT_EQ(Names().size(), 5u);
  EXPECT_TRUE(document.Changed()) << "the file never held five sounds";
  document.Replace({}, "Other", false);
  EXPECT_FALSE(document.CanUndo() || document.CanRedo());
  EXPECT_TRUE(document.Changed()) << "lists that no file holds";
}
