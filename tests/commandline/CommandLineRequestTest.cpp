#include "commandline/CommandLineRequest.h"

#include <gtest/gtest.h>

TEST(CommandLineRequest, QtsOwnWindowOptionsStillOpenTheWindows) {
  const CommandLineRequest request = ParseCommandLine(
      {"vantora-programmer", "-platform", "offscreen", "-style=fusion", "-reverse", "--simulate"});
  EXPECT_EQ(request.Error, "");
  EXPECT_TRUE(request.OpensWindows());
  EXPECT_TRUE(request.Simulate);
  EXPECT_EQ(request.Platform, "offscreen");
}

TEST(CommandLineRequest, TheWindowsTakeOneProfileFileAndTheModesNone) {
  const CommandLineRequest windows =
      ParseCommandLine({"vantora-programmer", "--simulate", "/tmp/x/Porch.qvt"});
  EXPECT_EQ(windows.Error, "");
  EXPECT_TRUE(windows.OpensWindows());
  EXPECT_EQ(windows.ProfileFile, "/tmp/x/Porch.qvt");
  EXPECT_EQ(ParseCommandLine({"vantora-programmer"}).ProfileFile, "");

  const std::pair<QStringList, std::string> stray[] = {
      {{"My", "Porch.qvt"}, "Unexpected argument 'Porch.qvt' (a name with blanks needs quotes)."},
      {{"--list", "Porch.qvt"}, "Unexpected argument 'Porch.qvt'"},
      {{"--program", "Front", "Door"}, "Unexpected argument 'Door'"},
      {{"--status", "--json", "Porch.qvt"}, "Unexpected argument 'Porch.qvt'"},
  };
  for (const auto& [arguments, error] : stray) {
    const CommandLineRequest request =
        ParseCommandLine(QStringList{"vantora-programmer"} + arguments);
    EXPECT_EQ(request.Error.substr(0, error.size()), error) << request.Error;
    EXPECT_FALSE(request.OpensWindows());
  }
}
