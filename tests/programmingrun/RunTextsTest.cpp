#include "programmingrun/RunTexts.h"

#include <gtest/gtest.h>

#include "programmingrun/ExitStatus.h"
#include "programmingrun/RunReport.h"

TEST(RunTexts, EachResultHasItsTextAndExitStatus) {
  using enum ProgrammingCode;
  const std::tuple<ProgrammingCode, std::string, int> results[] = {
      {Succeeded, "", 0},
      {CloseFailed, "ERROR -1.", 8},
      {ReadBackDiffers, "ERROR -9.", 8},
      {SongDataUnacknowledged, "ERROR -11.", 8},
      {ProgrammerUnreachable, "Make sure the unit is connected to a USB Port.", 5},
      {NoSongsToProgram, "No Songs To Program", 7},
      {SongTooLarge, "Song Is Too Large", 7},
      {Stopped, "Stopped: the unit holds an incomplete profile. Program it again.", 130},
      {ProgrammerInUse, "Programmer in use by another program", 5},
  };
  for (const auto& [code, text, exitStatus] : results) {
    EXPECT_EQ(ResultText(code), text);
    EXPECT_EQ(ExitStatusFor(ProgrammingResult{code}), exitStatus) << text;
  }
  EXPECT_EQ(ExitStatusFor(ProgrammingResult{Succeeded, 2}), 9) << "sounds left out";
}

TEST(RunTexts, SuccessTextGivesTheSecondsAndTheSoundsLeftOut) {
  EXPECT_EQ(SuccessText(3000, 0), "Success! 3 seconds");
  EXPECT_EQ(SuccessText(2500, 1), "Success! 2.5 seconds (1 sound did not fit and was not written)");
  EXPECT_EQ(SuccessText(1234567, 2),
            "Success! 1234.567 seconds (2 sounds did not fit and were not written)");
  EXPECT_EQ(EmptyButtonsText({}), "");
  EXPECT_EQ(EmptyButtonsText({2}), "Btn2 has no sound on the unit");
  EXPECT_EQ(EmptyButtonsText({2, 5}), "Btn2 and Btn5 have no sound on the unit");
  EXPECT_EQ(EmptyButtonsText({1, 2, 5}), "Btn1, Btn2 and Btn5 have no sound on the unit");
}

TEST(RunTexts, ADifferenceNamesTheButtonTheSoundAndTheByte) {
  EXPECT_EQ(DifferenceText(2, "chime.mp3", 5000),
            "Btn2 \u00b7 chime.mp3 differs from its file at byte 5,000");
  EXPECT_EQ(DifferenceText(8, "bell\x1b.wav", 0),
            "Btn8 \u00b7 bell\\x1b.wav differs from its file at byte 0")
      << "a control character of the name is shown, never sent to a terminal";
}
