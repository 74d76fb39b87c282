// The command-line front end in the test's own process, where the test can
// see every byte that reaches the simulated unit.
#include "commandline/CommandLineFrontEnd.h"
#include "commandline/CommandLineRequest.h"

#include <gtest/gtest.h>

#include <sstream>

#include "device/ForwardingDriver.h"
#include "device/ProgrammerLock.h"
#include "device/SimulatedUnit.h"
#include "device/WireCommands.h"
#include "support/ManualClock.h"
#include "support/ProfileFiles.h"
#include "support/SongFolder.h"
#include "support/TemporaryFolder.h"

namespace {

class CommandLineFrontEndTest : public ::testing::Test {
 protected:
  CommandLineFrontEndTest() { std::filesystem::create_directory(profiles); }

  // The front end on the arguments after "vantora-programmer --simulate".
  int Run(const QStringList& arguments) {
    out.str({});
    err.str({});
    return CommandLineFrontEnd({*unit, clock, profiles, out, err, false, lockPatience})
        .Run(ParseCommandLine(QStringList{"vantora-programmer", "--simulate"} + arguments));
  }

  TemporaryFolder folder;
  const std::string profiles = folder.Path() + "Profiles/";
  SongFolder songs;
  std::unique_ptr<SimulatedUnit> unit = SimulatedUnit::StandardUnit();
  ManualClock clock;
  std::chrono::milliseconds lockPatience = ProgrammerLockPatience;
  std::ostringstream out, err;
};

}  // namespace

TEST_F(CommandLineFrontEndTest, AProfileWithAMissingSoundSendsNothingAtAll) {
  songs.Write("a.mp3", 1000);
  WriteFile(profiles + "Porch.qvt", ProfileText(4, {{songs.Directory() + "a.mp3", "/gone/b.mp3"}}));
  EXPECT_EQ(Run({"--program", "Porch"}), 4);
  EXPECT_EQ(
      err.str(),
      "The file : /gone/b.mp3 does not exist or has been moved.\nNothing was sent to the unit.\n");
  EXPECT_EQ(unit->Traffic().ListCalls + unit->Traffic().WriteCalls, 0) << "not even a probe";
}

TEST_F(CommandLineFrontEndTest, AnOldListIsProgrammedAsItIsAndLeftUnchanged) {
  songs.Write("a.mp3", 1000);
  songs.Write("b.wav", 2000);
  const std::string oldList =
      "LIST\r\n" + songs.Directory() + "a.mp3\r\n" + songs.Directory() + "b.wav\r\n";
  WriteFile(profiles + "Old.qvt", oldList);
  EXPECT_EQ(Run({"--program", "Old"}), 0) << err.str();
  EXPECT_EQ(out.str(), "Old: 2 sounds, 2 fit in the unit's memory\nSuccess! 0.125 seconds\n");
  EXPECT_EQ(FileText(profiles + "Old.qvt"), oldList);
  EXPECT_FALSE(std::filesystem::exists(profiles + "Old.BAK"));
  EXPECT_EQ(unit->MemoryImage(0)->Read(14, 2), (std::vector<std::uint8_t>{0xFF, 0xFF}))
      << "a list without a number is stored without one";
}

TEST_F(CommandLineFrontEndTest, WhatIsMissingOnTheDeviceSideHasItsOwnStatus) {
  songs.Write("a.mp3", 1000);
  WriteFile(profiles + "Hall.qvt", ProfileText(4, {{songs.Directory() + "a.mp3"}}));
  unit->Attach(false);
  EXPECT_EQ(Run({"--status"}), 5);
  EXPECT_EQ(out.str(), "Programmer Not Found\n");
  EXPECT_EQ(Run({"--program", "Hall"}), 5);
  EXPECT_EQ(err.str(), "Programmer Not Found\n");

  unit->Attach(true);
  unit->InjectFault(CmdIdentifySlot, SimulatedFault::Silent, 0);
  EXPECT_EQ(Run({"--program", "Hall"}), 6);
  EXPECT_EQ(err.str(), "Vantora Must Be Connected\n");

  unit = SimulatedUnit::StandardUnit();
  unit->InjectFault(CmdReadMemory, SimulatedFault::ChangedByte);
  EXPECT_EQ(Run({"--program", "Hall"}), 8);
  EXPECT_EQ(err.str().substr(err.str().find("ERROR")), "ERROR -9.\n");
}

TEST_F(CommandLineFrontEndTest, AFileThatIsNoProfileIsNamedSoAndLeftAlone) {
  const std::string picture("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
  WriteFile(profiles + "Photo.qvt", picture);
  EXPECT_EQ(Run({"--program", "Photo"}), 3);
  EXPECT_EQ(err.str(), profiles + "Photo.qvt is not a profile file.\n");
  EXPECT_EQ(unit->Traffic().ListCalls, 0);
  WriteFile(profiles + "notes.qvt", "hello\n");
  EXPECT_EQ(Run({"--program", "notes"}), 3) << "text that names no sound";
  EXPECT_EQ(err.str(), profiles + "notes.qvt is not a profile file.\n");
  EXPECT_EQ(FileText(profiles + "notes.qvt"), "hello\n");
  EXPECT_EQ(Run({"--list"}), 0);
  EXPECT_NE(out.str().find("Photo (not a profile)\n"), std::string::npos) << out.str();
  Run({"--list", "--json"});
  EXPECT_NE(out.str().find("\"readable\": false"), std::string::npos) << out.str();
  EXPECT_EQ(FileText(profiles + "Photo.qvt"), picture);
}

TEST_F(CommandLineFrontEndTest, SoundsThatDoNotDecodeAreNamedAndNothingIsSent) {
  songs.Write("real.wav", 1000);
  WriteFile(songs.Directory() + "fake.mp3", "a text file named like a sound");
  WriteFile(profiles + "Porch.qvt", ProfileText(4, {{songs.Directory() + "real.wav",
                                                      songs.Directory() + "fake.mp3"}}));
  EXPECT_EQ(Run({"--program", "Porch"}), 4);
  EXPECT_EQ(err.str(),
            "These files are not MP3 or WAV sounds: fake.mp3\nNothing was sent to the unit.\n");
  EXPECT_EQ(unit->Traffic().ListCalls + unit->Traffic().WriteCalls, 0);
}

TEST_F(CommandLineFrontEndTest, ControlCharactersOfAPathAreShownNeverSent) {
  WriteFile(profiles + "Bell.qvt", ProfileText(4, {{"/gone/\x1b]0;owned\a.mp3"}}));
  EXPECT_EQ(Run({"--program", "Bell"}), 4);
  EXPECT_EQ(err.str().find('\x1b'), std::string::npos);
  EXPECT_EQ(err.str().find('\a'), std::string::npos);
  EXPECT_NE(err.str().find("/gone/\\x1b]0;owned\\x07.mp3"), std::string::npos) << err.str();
}

namespace {

// Passes every call on, but the programmer opens only once: for the probe.
class OpensOnce final : public ForwardingDriver {
 public:
  using ForwardingDriver::ForwardingDriver;
  DriverStatus Open(const std::string& description, DeviceHandle& handle) override {
    if (++opens_ > 1) return DriverDeviceNotFound;
    return inner_.Open(description, handle);
  }

 private:
  int opens_ = 0;
};

}  // namespace

TEST_F(CommandLineFrontEndTest, AProgrammerThatCannotBeOpenedForTheRunIsNotFound) {
  songs.Write("a.mp3", 1000);
  WriteFile(profiles + "Hall.qvt", ProfileText(4, {{songs.Directory() + "a.mp3"}}));
  OpensOnce driver(*unit);
  const int status =
      CommandLineFrontEnd({driver, clock, profiles, out, err})
          .Run(ParseCommandLine({"vantora-programmer", "--simulate", "--program", "Hall"}));
  EXPECT_EQ(status, 5);
  EXPECT_NE(err.str().find("Make sure the unit is connected to a USB Port.\n"), std::string::npos)
      << err.str();
}

TEST_F(CommandLineFrontEndTest, FullVerificationFindsAByteTheUnitDidNotKeepWhereQuickSaysSuccess) {
  songs.Write("first.mp3", 3000);
  songs.Write("chime.mp3", 8000);
  WriteFile(profiles + "Hall.qvt",
            ProfileText(4, {{songs.Directory() + "first.mp3"}, {songs.Directory() + "chime.mp3"}}));
  // Two entries and the write width of the wide memory, then the first song.
  unit->SpoilCell(0, 32 + 2 + 3000 + 5000);
  EXPECT_EQ(Run({"--program", "Hall"}), 8);
  EXPECT_EQ(err.str().substr(err.str().find("ERROR")),
            "ERROR -9.\nBtn2 \u00b7 chime.mp3 differs from its file at byte 5,000\n");

  EXPECT_EQ(Run({"--program", "Hall", "--verify", "quick"}), 0)
      << "the quick check compares the first KiB of each song only";
  EXPECT_NE(out.str().find("Success! "), std::string::npos) << out.str();
}

TEST_F(CommandLineFrontEndTest, AProgrammerHeldByAnotherProgramForTheWholePatienceEndsWithExitFive) {
  songs.Write("a.mp3", 1000);
  WriteFile(profiles + "Hall.qvt", ProfileText(4, {{songs.Directory() + "a.mp3"}}));
  ProgrammerLock otherProgram;
  ASSERT_EQ(otherProgram.TryTake(), LockAttempt::Taken);
  const std::string waiting = "Waiting for the programmer (in use by another program)\u2026\n";
  lockPatience = std::chrono::milliseconds(4000);

  EXPECT_EQ(Run({"--status"}), 5);
  EXPECT_EQ(err.str(), waiting);
  EXPECT_EQ(out.str(), "Programmer in use by another program\n");
  EXPECT_EQ(clock.Now, 4000) << "it waited its whole patience";

  EXPECT_EQ(Run({"--program", "Hall"}), 5);
  EXPECT_EQ(err.str(), waiting + "Programmer in use by another program\n");
  EXPECT_EQ(clock.Now, 8000) << "it waited its whole patience once more";
  EXPECT_EQ(unit->Traffic().ListCalls + unit->Traffic().OpenCalls, 0)
      << "the programmer is left alone";

  otherProgram.Release();
  EXPECT_EQ(Run({"--program", "Hall"}), 0) << err.str();
  EXPECT_EQ(err.str().find("Waiting"), std::string::npos);
}

TEST_F(CommandLineFrontEndTest, AClaimRefusedByTheSystemIsReportedAsInUseNotAsAbsent) {
  songs.Write("a.mp3", 1000);
  WriteFile(profiles + "Hall.qvt", ProfileText(4, {{songs.Directory() + "a.mp3"}}));
  unit->ClaimElsewhere(true);
  EXPECT_EQ(Run({"--status"}), 5);
  EXPECT_EQ(out.str(), "Programmer in use by another program\n");
  EXPECT_EQ(Run({"--program", "Hall"}), 5);
  EXPECT_EQ(err.str(), "Programmer in use by another program\n");
  EXPECT_TRUE(unit->Traffic().Writes.empty());
}

TEST_F(CommandLineFrontEndTest, AProfileNameWithItsSuffixIsTakenAndAMistypedOneGetsSuggestions) {
  songs.Write("a.mp3", 1000);
  for (const char* name : {"Front Door", "Back Door", "Garden"}) {
    WriteFile(profiles + name + ".qvt", ProfileText(4, {{songs.Directory() + "a.mp3"}}));
  }
  EXPECT_EQ(Run({"--program", "Front Door.qvt"}), 0) << err.str();
  EXPECT_NE(out.str().find("Front Door: 1 sound, 1 fit"), std::string::npos) << out.str();

  EXPECT_EQ(Run({"--program", "Frnt Dor"}), 3);
  EXPECT_EQ(err.str(), "No profile named \"Frnt Dor\" in " + profiles +
                           "\nDid you mean: Front Door?\n");
  EXPECT_EQ(Run({"--program", "Door"}), 3);
  EXPECT_NE(err.str().find("\nDid you mean: Back Door or Front Door?\n"), std::string::npos)
      << err.str();
  EXPECT_EQ(Run({"--program", "garden"}), 0) << "letter case is no mistake";
  EXPECT_EQ(Run({"--program", "Cellar"}), 3);
  EXPECT_EQ(err.str().find("Did you mean"), std::string::npos) << "nothing close: no guess";
}

TEST_F(CommandLineFrontEndTest, ListingNamesAnEmptyFolderAndAFolderNamedLikeAProfile) {
  EXPECT_EQ(Run({"--list"}), 0);
  EXPECT_EQ(out.str(), "No profiles in " + profiles + "\n");

  std::filesystem::create_directory(profiles + "Attic.qvt");
  songs.Write("a.mp3", 1000);
  WriteFile(profiles + "Porch.qvt", ProfileText(4, {{songs.Directory() + "a.mp3"}}));
  EXPECT_EQ(Run({"--list"}), 0);
  EXPECT_NE(out.str().find("Attic (not a profile)\n"), std::string::npos) << out.str();
  EXPECT_LT(out.str().find("Attic"), out.str().find("Porch")) << "sorted by name";
  EXPECT_EQ(Run({"--program", "Attic"}), 3);
}

TEST_F(CommandLineFrontEndTest, JsonGivesNullForWhatNoUnitCanTell) {
  unit->InjectFault(CmdIdentifySlot, SimulatedFault::Silent, 0);
  EXPECT_EQ(Run({"--status", "--json"}), 6);
  for (const char* field : {"\"totalCapacity\": null", "\"buttonCount\": null",
                            "\"firmwareVersion\": null", "\"profileNumber\": null"}) {
    EXPECT_NE(out.str().find(field), std::string::npos) << field << " in:\n" << out.str();
  }
}
