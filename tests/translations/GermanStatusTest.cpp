// The command line's human output in German: no English line is left.
#include <gtest/gtest.h>

#include <QProcess>

#include "support/LanguageEnvironment.h"

TEST(GermanStatusTest, StatusSpeaksGermanUnderAGermanLanguage) {
  QProcess process;
  process.setProcessEnvironment(LanguageEnvironment(QStringLiteral("de_DE.UTF-8")));
  process.start(QStringLiteral(VANTORA_PROGRAM), {"--simulate", "--status"});
  ASSERT_TRUE(process.waitForFinished(60000));
  const std::string out = process.readAllStandardOutput().toStdString();
  EXPECT_EQ(process.exitCode(), 0);
  for (const char* english : {"Programmer: ", "Unit: Connected", "device code",
                              "Buttons: ", "Firmware: ", "Profile On Vantora : None"})
    EXPECT_EQ(out.find(english), std::string::npos) << english << " in:\n" << out;
}
