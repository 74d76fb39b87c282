#include "commandline/CommandLineRequest.h"

#include <gtest/gtest.h>

TEST(CommandLineRequest, QtsOwnWindowOptionsStillOpenTheWindows) {
  const CommandLineRequest request =
      ParseCommandLine({"vantora-programmer", "-platform", "offscreen", "-style=fusion",
                        "-reverse", "--simulate"});
  EXPECT_EQ(request.Error, "");
  EXPECT_TRUE(request.OpensWindows());
  EXPECT_TRUE(request.Simulate);
}
