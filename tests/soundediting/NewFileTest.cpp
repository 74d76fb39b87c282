#include <gtest/gtest.h>

#include <unistd.h>

#include "SoundEditingFixture.h"
#include "soundediting/NewSoundFile.h"

TEST_F(SoundEditingTest, EditedCopiesTakeTheNextFreeNameAndNeverReplaceAFile) {
  const std::string ding = Source("ding.wav", SineSweep(1, 22050, 1, 0.5F), Wav16FileFormat);
  WriteFile(songs.Path() + "ding (edited).mp3", "someone else's");
  WriteFile(songs.Path() + "ding (edited 3).mp3", "and another");
  std::vector<std::string> written;
  for (int copy = 0; copy < 2; ++copy) {
    written.push_back(WriteEditedSound(ding, Keep(0, 1, Mp3(64)), music.Path()));
  }
  written.push_back(WriteEditedSound(ding, Keep(0, 1, Wav), music.Path()));
  EXPECT_EQ(written, (std::vector<std::string>{songs.Path() + "ding (edited 2).mp3",
                                               songs.Path() + "ding (edited 4).mp3",
                                               songs.Path() + "ding (edited).wav"}));
  EXPECT_EQ(FileText(songs.Path() + "ding (edited).mp3"), "someone else's");
  EXPECT_EQ(FileText(songs.Path() + "ding (edited 3).mp3"), "and another");
  // Nothing else, no temporary file left behind.
  EXPECT_EQ(
      Names(songs.Path()),
      (std::set<std::string>{"ding.wav", "ding (edited).mp3", "ding (edited 2).mp3",
                             "ding (edited 3).mp3", "ding (edited 4).mp3", "ding (edited).wav"}));
}

TEST_F(SoundEditingTest, AnEditOfAnEditIsNumberedOnFromTheOriginalsName) {
  const std::string edited =
      Source("Morning Song (edited).wav", SineSweep(1, 22050, 1, 0.5F), Wav16FileFormat);
  const std::string second = WriteEditedSound(edited, Keep(0, 1, Wav), music.Path());
  EXPECT_EQ(second, songs.Path() + "Morning Song (edited 2).wav");
  EXPECT_EQ(WriteEditedSound(second, Keep(0, 1, Wav), music.Path()),
            songs.Path() + "Morning Song (edited 3).wav");
  const std::string notAMark =
      Source("Song (edited live).wav", SineSweep(1, 22050, 1, 0.5F), Wav16FileFormat);
  EXPECT_EQ(WriteEditedSound(notAMark, Keep(0, 1, Wav), music.Path()),
            songs.Path() + "Song (edited live) (edited).wav");
}

// A folder that is gone (a stick pulled out after the sound was read) takes
// no file; neither would one without the right to write.
TEST_F(SoundEditingTest, NewFileGoesToTheMusicFolderWhenTheOriginalsFolderTakesNone) {
  std::string placed;
  {
    NewSoundFile file(songs.Path() + "gone/ding.mp3", ".mp3", music.Path());
    ASSERT_EQ(::write(file.Descriptor(), "sound", 5), 5);
    EXPECT_TRUE(Names(music.Path()).size() == 1 && Names(music.Path()).begin()->starts_with("."))
        << "written under a hidden temporary name";
    placed = file.Place();
  }
  EXPECT_EQ(placed, music.Path() + "ding (edited).mp3");
  EXPECT_EQ(FileText(placed), "sound");
  EXPECT_EQ(Names(music.Path()), std::set<std::string>{"ding (edited).mp3"});
}

TEST_F(SoundEditingTest, CancelledEditLeavesNoFile) {
  const std::string song = Source("song.wav", SineSweep(5, 44100, 2, 0.5F), Wav16FileFormat);
  std::atomic<bool> cancel = false;
  double reported = 0;
  WorkControl control{[&](double done) {
                        reported = done;
                        cancel = true;
                      },
                      &cancel};
  EXPECT_THROW(WriteEditedSound(song, Keep(0, 5, Mp3(128)), music.Path(), control), WorkCancelled);
  EXPECT_GT(reported, 0.0);
  EXPECT_LT(reported, 1.0);
  EXPECT_EQ(Names(songs.Path()), std::set<std::string>{"song.wav"});
  EXPECT_TRUE(Names(music.Path()).empty());
}
