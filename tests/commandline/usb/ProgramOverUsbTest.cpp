// The built program, started as from a console, against the emulated
// programmer: libusb, libftdi1 and usbdevfs run in the program's process, the
// unit model with its flash memories in the test's.
#include <gtest/gtest.h>

#include <signal.h>

#include <QJsonDocument>
#include <algorithm>
#include <functional>

#include "device/ProgrammingSequence.h"
#include "device/SimulatedUnit.h"
#include "device/UnitProbe.h"
#include "device/WireCommands.h"
#include "support/EmulatedProgrammer.h"
#include "support/ManualClock.h"
#include "support/ProfileFiles.h"
#include "support/ProgramInTestBed.h"
#include "support/SoundFiles.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Silent final : ProgrammingObserver {
  void PhaseBegun(RunPhase, int) override {}
  void BytesMoved(std::uint64_t, std::uint64_t) override {}
  void ProgrammerLost() override {}
};

class ProgramOverUsb : public ::testing::Test {
 protected:
  ProgramOverUsb() { programmer.Plug(); }

  // One memory of the emulated unit, whole.
  Bytes Flash(int slot) {
    return programmer.WithUnit([slot](UnitModel& unit) {
      const FlashImage& image = *unit.MemoryImage(slot);
      return image.Read(0, image.Size());
    });
  }

  // The JSON document on one line, keys in order.
  static std::string CompactJson(const std::string& out) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << out;
    return document.toJson(QJsonDocument::Compact).toStdString();
  }

  // `--program` started on a profile of one 1 MB sound, once it has written
  // a tenth; null when it does not get that far (its standard error in `err`).
  std::unique_ptr<QProcess> StartWritingHall(const std::string& ring, std::string& err) {
    WriteSound(ring, 1000000);
    WriteFile(program.ProfilesFolder() + "Hall.qvt", ProfileText(7, {{ring}}));
    std::unique_ptr<QProcess> run = program.Start({"--program", "Hall"});
    if (!ProgramInTestBed::WaitForError(*run, "Writing: 10 %", err)) return nullptr;
    return run;
  }

  EmulatedUsbBus bus;
  EmulatedProgrammer programmer{bus, {0xA9D0, ProgrammerString, 2}, UnitModel::StandardUnit()};
  ProgramInTestBed program{bus, VANTORA_PROGRAM};
  TemporaryFolder songs;
};

// What the job writes into the memories of the --simulate unit, in the
// test's process: the flash images the program has to leave behind.
std::vector<Bytes> FlashAfter(ProgrammingJob job) {
  const std::unique_ptr<SimulatedUnit> unit = SimulatedUnit::StandardUnit();
  DeviceLink link(*unit);
  Silent silent;
  UnitProbe(link, job.Status).ProbeUnit();
  std::vector<std::int64_t> sizes;
  for (const ProgramRow& row : job.Rows) sizes.push_back(row.Size);
  job.Packing = PackSounds(sizes, job.Status);
  ManualClock clock;
  EXPECT_TRUE(ProgrammingSequence(job, link, clock, silent).ProgramUnit().Succeeded());
  std::vector<Bytes> flash;
  for (const int slot : {0, 1}) {
    const FlashImage& image = *unit->MemoryImage(slot);
    flash.push_back(image.Read(0, image.Size()));
  }
  return flash;
}

// Whether the flash holds the file's bytes in one piece.
bool Holds(const Bytes& flash, const std::string& path) {
  const std::string text = FileText(path);
  const Bytes file(text.begin(), text.end());
  return std::search(flash.begin(), flash.end(),
                     std::boyer_moore_horspool_searcher(file.begin(), file.end())) != flash.end();
}

}  // namespace

TEST_F(ProgramOverUsb, StatusReportsBothMemoriesTheButtonsAndTheFirmware) {
  const ProgramInTestBed::Outcome status = program.Run({"--status", "--json"});
  EXPECT_EQ(status.ExitStatus, 0) << status.Err;
  EXPECT_EQ(CompactJson(status.Out),
            R"({"buttonCount":8,"firmwareVersion":"02.07","memories":[)"
            R"({"capacity":2097151,"deviceCode":65,"profileNumber":null,"slot":0},)"
            R"({"capacity":262143,"deviceCode":67,"profileNumber":null,"slot":1}],)"
            R"("profileName":null,"profileNumber":null,"programmer":"QVT2 USB Programmer",)"
            R"("programmerInUse":false,"totalCapacity":2359294,"unitPresent":true})");
}

TEST_F(ProgramOverUsb, ProgramLeavesTheSoundFilesInTheFlashMemoriesByteForByte) {
  // The first two fill most of memory 0; the third does not fit beside them
  // and opens memory 1.
  const std::string ring = songs.Path() + "ring.wav";
  const std::string chime = songs.Path() + "chime.mp3";
  const std::string knock = songs.Path() + "knock.wav";
  WriteSound(ring, 2000000);
  WriteSound(chime, 8000, 8000, 1, Mp3Format);
  WriteSound(knock, 200000);
  WriteFile(program.ProfilesFolder() + "Front Door.qvt", ProfileText(7, {{ring}, {chime, knock}}));

  const ProgramInTestBed::Outcome run = program.Run({"--program", "Front Door"});
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  for (const char* line : {"Front Door: 3 sounds, 3 fit in the unit's memory\n", "Success! "})
    EXPECT_NE(run.Out.find(line), std::string::npos) << line << " in:\n" << run.Out;

  std::vector<ProgramRow> rows;
  for (const std::string& path : {ring, chime, knock}) {
    const std::filesystem::path file(path);
    rows.push_back({file.filename().string(), file.parent_path().string() + "/",
                    static_cast<std::int64_t>(std::filesystem::file_size(file))});
  }
  const std::vector<Bytes> expected = FlashAfter({rows, 1, {}, 7, {}});
  const std::vector<Bytes> flash = {Flash(0), Flash(1)};
  EXPECT_TRUE(flash[0] == expected[0]) << "memory 0 differs from the simulated unit's";
  EXPECT_TRUE(flash[1] == expected[1]) << "memory 1 differs from the simulated unit's";
  EXPECT_TRUE(Holds(flash[0], ring));
  EXPECT_TRUE(Holds(flash[0], chime));
  EXPECT_TRUE(Holds(flash[1], knock));
}

TEST_F(ProgramOverUsb, StatusStartedDuringARunWaitsForTheProgrammerAndBothSucceed) {
  const std::string ring = songs.Path() + "ring.wav";
  std::string runErr;
  const std::unique_ptr<QProcess> run = StartWritingHall(ring, runErr);
  ASSERT_TRUE(run) << runErr;
  const ProgramInTestBed::Outcome status = program.Run({"--status"});
  const ProgramInTestBed::Outcome programmed = ProgramInTestBed::Finish(*run, runErr);

  EXPECT_EQ(programmed.ExitStatus, 0) << programmed.Err;
  EXPECT_NE(programmed.Out.find("Success! "), std::string::npos) << programmed.Out;
  EXPECT_EQ(status.ExitStatus, 0) << status.Err;
  EXPECT_NE(status.Err.find("Waiting for the programmer (in use by another program)\u2026\n"),
            std::string::npos)
      << status.Err;
  EXPECT_NE(status.Out.find("Unit: Connected\n"), std::string::npos) << status.Out;
  EXPECT_NE(status.Out.find("profile number 7"), std::string::npos)
      << "the status is read once the run has ended:\n"
      << status.Out;
  EXPECT_TRUE(Holds(Flash(0), ring));
}

TEST_F(ProgramOverUsb, CtrlCStopsTheRunClosesTheLinkAndExits130) {
  const std::string ring = songs.Path() + "ring.wav";
  std::string runErr;
  const std::unique_ptr<QProcess> run = StartWritingHall(ring, runErr);
  ASSERT_TRUE(run) << runErr;
  ::kill(static_cast<pid_t>(run->processId()), SIGINT);
  const ProgramInTestBed::Outcome stopped = ProgramInTestBed::Finish(*run, runErr);
  EXPECT_EQ(stopped.ExitStatus, 130) << stopped.Err;
  EXPECT_NE(stopped.Err.find("Stopped: the unit holds an incomplete profile. Program it again.\n"),
            std::string::npos)
      << stopped.Err;
  EXPECT_EQ(stopped.Err.find("Verifying"), std::string::npos) << "it stopped while writing";
  EXPECT_FALSE(Holds(Flash(0), ring));

  const ProgramInTestBed::Outcome again = program.Run({"--program", "Hall"});
  EXPECT_EQ(again.ExitStatus, 0) << "the link was closed: the next run succeeds\n" << again.Err;
  EXPECT_TRUE(Holds(Flash(0), ring));
}

TEST_F(ProgramOverUsb, DebugShowsTheRefusedReadBackOnStandardErrorAndLeavesStandardOutputAlone) {
  programmer.WithUnit([](UnitModel& unit) { unit.InjectFault(CmdReadMemory, SimulatedFault::Refused); });
  const std::string ring = songs.Path() + "ring.wav";
  WriteSound(ring, 20000);
  WriteFile(program.ProfilesFolder() + "Hall.qvt", ProfileText(7, {{ring}}));
  const std::string logFile = songs.Path() + "run.log";

  const ProgramInTestBed::Outcome plain = program.Run({"--program", "Hall"});
  const ProgramInTestBed::Outcome logged =
      program.Run({"--program", "Hall", "--debug", "--log-file", QString::fromStdString(logFile)});
  EXPECT_EQ(plain.ExitStatus, 8);
  EXPECT_EQ(logged.ExitStatus, 8);
  EXPECT_EQ(logged.Out, plain.Out);
  EXPECT_NE(plain.Err.find("ERROR -4."), std::string::npos) << plain.Err;
  EXPECT_EQ(plain.Err.find("vantora."), std::string::npos) << "no log without --debug";
  for (const std::string& log : {logged.Err, FileText(logFile)}) {
    const std::size_t sent = log.find(
        " vantora.device: write 8 bytes: DD 00 00 00 00 10 00 00 (8 written, ok, ");
    ASSERT_NE(sent, std::string::npos) << "the header's read-back command in:\n" << log;
    EXPECT_NE(log.find(" vantora.device: read 9 bytes within 500 ms: ", sent), std::string::npos)
        << "and its answer";
    EXPECT_NE(log.find(" vantora.run: run ended with code -4: ERROR -4."), std::string::npos);
  }

  const ProgramInTestBed::Outcome json = program.Run({"--status", "--json"});
  const ProgramInTestBed::Outcome jsonLogged = program.Run({"--status", "--json", "--debug"});
  EXPECT_EQ(CompactJson(jsonLogged.Out), CompactJson(json.Out)) << "JSON stays clean";
  EXPECT_NE(jsonLogged.Err.find(" vantora.device: probe: "), std::string::npos);
}

TEST_F(ProgramOverUsb, TheSupportReportHoldsNoByteOfASongAndNoHomePath) {
  const TemporaryFolder home;
  program.SetEnvironment(QStringLiteral("HOME"), QString::fromStdString(home.Path()));
  const std::string ring = home.Path() + "ring.wav";
  WriteSound(ring, 20000);
  WriteFile(program.ProfilesFolder() + "Hall.qvt", ProfileText(7, {{ring}}));
  const std::string reportFile = songs.Path() + "report.txt";

  const ProgramInTestBed::Outcome run = program.Run(
      {"--program", "Hall", "--debug", "--support-report", QString::fromStdString(reportFile)});
  EXPECT_EQ(run.ExitStatus, 0) << run.Err;
  const std::string report = FileText(reportFile);
  for (const char* part : {"Description: QVT2 USB Programmer\n", "Vendor and product id: 0403:a9d0",
                           "  Connected\n", "sound 1 (Btn1, ~/ring.wav, 20044 bytes) into memory 0",
                           "run ended with code 0: Success! "}) {
    EXPECT_NE(report.find(part), std::string::npos) << part << " in:\n" << report;
  }
  const std::string homeFolder = home.Path().substr(0, home.Path().size() - 1);
  EXPECT_EQ(report.find(homeFolder), std::string::npos);
  const std::string song = FileText(ring);
  for (std::size_t at = 0; at + 16 <= song.size(); ++at) {
    ASSERT_EQ(report.find(song.substr(at, 16)), std::string::npos) << "song bytes from " << at;
  }
  EXPECT_EQ(report.find("52 49 46 46"), std::string::npos) << "nor the song's first bytes in hex";
}
