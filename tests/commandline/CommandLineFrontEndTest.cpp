// The command-line front end in the test's own process, where the test can
// see every byte that reaches the simulated unit.
#include "commandline/CommandLineFrontEnd.h"
#include "commandline/CommandLineRequest.h"

#include <gtest/gtest.h>

#include <sstream>

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
    return CommandLineFrontEnd({*unit, clock, profiles, out, err})
        .Run(ParseCommandLine(QStringList{"vantora-programmer", "--simulate"} + arguments));
  }

  TemporaryFolder folder;
  const std::string profiles = folder.Path() + "Profiles/";
  SongFolder songs;
  std::unique_ptr<SimulatedUnit> unit = SimulatedUnit::StandardUnit();
  ManualClock clock;
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
