#include "diagnostics/LogRouting.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "diagnostics/LogCategories.h"
#include "diagnostics/LogFiles.h"
#include "support/TemporaryFolder.h"

namespace {

std::uintmax_t SizeOf(const std::string& path) {
  std::error_code missing;
  const std::uintmax_t size = std::filesystem::file_size(path, missing);
  return missing ? 0 : size;
}

// What one programming run logs: its plan of 40 sounds, and the link's
// traffic, which the bounded file never keeps.
void LogARun(int run) {
  qCInfo(RunLogging, "%s \"Run %d\" (number %d): 40 sounds, 40 fit", RunBeginsText, run, run);
  for (int sound = 1; sound <= 40; ++sound) {
    qCInfo(RunLogging, "sound %d (Btn1, /home/ann/Music/a rather long name %d.mp3, 200000 bytes)",
           sound, sound);
    qCDebug(DeviceLogging, "write 4096 bytes: 49 44 33 04 00 00 00 00 00 00");
  }
  qCInfo(RunLogging, "run ended with code 0: Success! 3 seconds");
}

}  // namespace

TEST(LogRouting, TheWindowsLogNeverPassesItsBoundOver200RunsAndKeepsTheLastTen) {
  const TemporaryFolder folder;
  const std::string path = folder.Path() + "vantora-programmer.log";
  LogRouting routing;
  QString error;
  ASSERT_TRUE(routing.KeepInBoundedFile(QString::fromStdString(path), error)) << error.toStdString();
  for (int run = 1; run <= 200; ++run) {
    LogARun(run);
    routing.FlushFiles();
    ASSERT_LE(SizeOf(path) + SizeOf(path + ".1"), BoundedLogBytes) << "after run " << run;
  }
  EXPECT_GT(SizeOf(path + ".1"), 0u) << "the log was rotated";
  const std::string last = LastRunsOf(QString::fromStdString(path));
  EXPECT_NE(last.find(std::string(RunBeginsText) + " \"Run 191\""), std::string::npos);
  EXPECT_EQ(last.find(std::string(RunBeginsText) + " \"Run 190\""), std::string::npos);
  EXPECT_NE(last.find("\"Run 200\""), std::string::npos);
  EXPECT_EQ(last.find("write 4096 bytes"), std::string::npos) << "no traffic in the bounded log";
}

TEST(LogRouting, TheLogFileTakesEverythingTheRecordOnlyWhatIsWorthKeeping) {
  const TemporaryFolder folder;
  const std::string path = folder.Path() + "debug.log";
  WriteFile(path, "from an earlier run\n");
  LogRouting routing;
  QString error;
  ASSERT_TRUE(routing.WriteToFile(QString::fromStdString(path), error));
  qCDebug(DeviceLogging, "write 2 bytes: CD 00 (2 written, ok, 0 ms)");
  qCInfo(RunLogging, "memory 0: written and verified");
  qCWarning(RunLogging, "no sleep inhibitor");
  routing.FlushFiles();

  const std::string file = FileText(path);
  EXPECT_EQ(file.find("from an earlier run"), std::string::npos) << "begun afresh";
  EXPECT_NE(file.find(" vantora.device: write 2 bytes: CD 00"), std::string::npos);
  EXPECT_NE(file.find(" vantora.run: memory 0: written and verified\n"), std::string::npos);
  const std::vector<std::string> record = routing.Record();
  ASSERT_EQ(record.size(), 2u);
  EXPECT_TRUE(record[0].ends_with(" vantora.run: memory 0: written and verified\n"));
  EXPECT_TRUE(record[1].ends_with(" vantora.run: warning: no sleep inhibitor\n"));
  EXPECT_FALSE(routing.WriteToFile(QString::fromStdString(folder.Path() + "no/such/folder/x.log"),
                                   error));
  EXPECT_EQ(error, QStringLiteral("No such file or directory"));
}
