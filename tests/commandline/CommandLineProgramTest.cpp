// The program itself, started as a user starts it from a console: no display,
// the simulated unit, a program folder of its own.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <filesystem>
#include <fstream>

#include "support/LanguageEnvironment.h"
#include "support/ProfileFiles.h"
#include "support/SongFolder.h"
#include "support/SoundFiles.h"
#include "support/TemporaryFolder.h"

namespace {

struct Outcome {
  int ExitStatus = -1;
  std::string Out;
  std::string Err;
};

class CommandLineProgramTest : public ::testing::Test {
 protected:
  CommandLineProgramTest() {
    std::filesystem::create_directory(folder.Path() + "Profiles");
    // The program finds Profiles/ beside itself; a link costs no copy.
    std::error_code linked;
    std::filesystem::create_hard_link(VANTORA_PROGRAM, program, linked);
    if (linked) std::filesystem::copy_file(VANTORA_PROGRAM, program);
  }

  // Without a display; the windows' platform is Qt's choice unless given.
  Outcome Run(const QStringList& arguments, const QString& platform = QString()) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
      environment.remove(QString::fromLatin1(display));
    if (!platform.isEmpty()) environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    process.setProcessEnvironment(environment);
    process.start(QString::fromStdString(program), arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << arguments.join(' ').toStdString();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
  }

  // The standard output of a run in the language that LANG names.
  std::string OutputIn(const QString& lang, const QStringList& arguments) {
    QProcess process;
    process.setProcessEnvironment(LanguageEnvironment(lang));
    process.start(QString::fromStdString(program), arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << arguments.join(' ').toStdString();
    EXPECT_EQ(process.exitCode(), 0) << lang.toStdString();
    return process.readAllStandardOutput().toStdString();
  }

  // A profile of the current format: one list of sound files of the song folder per button.
  void WriteProfile(const std::string& name, int number,
                    std::vector<std::vector<std::string>> buttons) {
    for (auto& sounds : buttons) {
      for (std::string& sound : sounds) sound = songs.Directory() + sound;
    }
    WriteFile(folder.Path() + "Profiles/" + name + ".qvt", ProfileText(number, buttons));
  }

  // The JSON document on one line, keys in order.
  static std::string CompactJson(const std::string& out) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << out;
    return document.toJson(QJsonDocument::Compact).toStdString();
  }

  TemporaryFolder folder;
  const std::string program = folder.Path() + "vantora-programmer";
  SongFolder songs;
};

}  // namespace

TEST_F(CommandLineProgramTest, StatusNamesBothMemoriesTheButtonsAndTheFirmwareAsTextAndAsJson) {
  const Outcome text = Run({"--simulate", "--status"});
  EXPECT_EQ(text.ExitStatus, 0) << text.Err;
  for (const char* line : {"Unit: Connected\n", "Memory 0: device code 0x41, 2097151 bytes",
                           "Memory 1: device code 0x43, 262143 bytes", "Buttons: 8\n",
                           "Firmware: 02.07\n", "Profile On Vantora : None\n"})
    EXPECT_NE(text.Out.find(line), std::string::npos) << line << " in:\n" << text.Out;

  const Outcome json = Run({"--simulate", "--status", "--json"});
  EXPECT_EQ(json.ExitStatus, 0) << json.Err;
  EXPECT_EQ(CompactJson(json.Out),
            R"({"buttonCount":8,"firmwareVersion":"02.07","memories":[)"
            R"({"capacity":2097151,"deviceCode":65,"profileNumber":null,"slot":0},)"
            R"({"capacity":262143,"deviceCode":67,"profileNumber":null,"slot":1}],)"
            R"("profileName":null,"profileNumber":null,)"
            R"j("programmer":"QVT2 Vantora Programmer (simulated)","programmerInUse":false,)j"
            R"("totalCapacity":2359294,"unitPresent":true})");
}

TEST_F(CommandLineProgramTest, StatusAsJsonIsTheSameByteForByteInGermanAndEnglish) {
  const std::string english = OutputIn("en_US.UTF-8", {"--simulate", "--status", "--json"});
  EXPECT_NE(english.find("\"totalCapacity\": 2359294"), std::string::npos) << english;
  EXPECT_EQ(OutputIn("de_DE.UTF-8", {"--simulate", "--status", "--json"}), english);
}

TEST_F(CommandLineProgramTest, ProgramWritesTwoButtonsAndTheUnitThenHoldsTheProfile) {
  songs.Write("ring.mp3", 30000);
  songs.Write("chime.wav", 20000);
  songs.Write("knock.mp3", 10000);
  WriteProfile("Front Door", 7, {{"ring.mp3", "chime.wav"}, {"knock.mp3"}});
  WriteProfile("Back Door", 8, {{"knock.mp3"}});

  const Outcome programmed = Run({"--simulate", "--program", "Front Door", "--status"});
  EXPECT_EQ(programmed.ExitStatus, 0) << programmed.Err;
  for (const char* line : {"Front Door: 3 sounds, 3 fit in the unit's memory\n", "Success! ",
                           // read back from the unit by the probe after the run
                           "Memory 0: device code 0x41, 2097151 bytes, profile number 7",
                           "Profile On Vantora : Front Door\n"})
    EXPECT_NE(programmed.Out.find(line), std::string::npos) << line << " in:\n" << programmed.Out;
  EXPECT_EQ(programmed.Err.substr(0, 14), "Writing: 10 %\n")
      << "progress lines, not a bar, when standard error is no terminal";
  EXPECT_NE(programmed.Err.find("Verifying: 100 %\n"), std::string::npos) << programmed.Err;

  const Outcome listed = Run({"--simulate", "--list", "--json"});
  EXPECT_EQ(listed.ExitStatus, 0) << listed.Err;
  EXPECT_EQ(CompactJson(listed.Out),
            R"({"profiles":[{"buttons":1,"bytes":10000,"format":"current","missingSounds":0,)"
            R"("name":"Back Door","number":8,"onUnit":false,"readable":true,"sounds":1},)"
            R"({"buttons":2,"bytes":60000,"format":"current","missingSounds":0,)"
            R"("name":"Front Door","number":7,"onUnit":false,"readable":true,"sounds":3}]})")
      << "a fresh simulated unit holds no profile";

  const Outcome quick =
      Run({"--simulate", "--program", "Back Door", "--verify", "quick", "--status", "--json"});
  EXPECT_EQ(quick.ExitStatus, 0) << quick.Err;
  EXPECT_NE(quick.Out.find(R"("verification": "quick")"), std::string::npos) << quick.Out;
  EXPECT_NE(quick.Out.find(R"("profileName": "Back Door")"), std::string::npos) << quick.Out;
  EXPECT_NE(quick.Err.find("Success! "), std::string::npos) << "beside JSON, messages go to stderr";
}

TEST_F(CommandLineProgramTest, TheDecoderKeepsItsNotesOffTheTerminal) {
  // Bytes after the last frame: the decoder finds the stream longer than its
  // first frame says and writes a note about it, while the sound plays well.
  const std::string chime = songs.Directory() + "chime.mp3";
  WriteSound(chime, 8000, 44100, 1, Mp3Format);
  std::ofstream(chime, std::ios::binary | std::ios::app) << std::string(3000, 'Z');
  WriteProfile("Porch", 2, {{"chime.mp3"}});
  const Outcome outcome = Run({"--simulate", "--program", "Porch"});
  EXPECT_EQ(outcome.ExitStatus, 0) << outcome.Err;
  const QRegularExpression progress(QStringLiteral("^(Writing|Verifying): \\d+ %$"));
  for (const QString& line : QString::fromStdString(outcome.Err).split('\n', Qt::SkipEmptyParts)) {
    EXPECT_TRUE(progress.match(line).hasMatch()) << line.toStdString();
  }
}

TEST_F(CommandLineProgramTest, SoundsThatDoNotFitAreNamedBeforeTheRunAndCountedInItsSuccess) {
  songs.Write("small.mp3", 1000);
  songs.Write("huge.wav", 2200000);  // larger than either memory
  WriteProfile("Partly", 3, {{"small.mp3"}, {"huge.wav"}});
  const Outcome outcome = Run({"--simulate", "--program", "Partly"});
  EXPECT_EQ(outcome.ExitStatus, 9) << "written and verified, but a sound was left out";
  for (const char* line : {"Partly: 2 sounds, 1 fit in the unit's memory\n",
                           "Does not fit in the unit's memory: huge.wav (Btn2, 2200000 bytes)\n",
                           " seconds (1 sound did not fit and was not written)\n"
                           "Btn2 has no sound on the unit\n"})
    EXPECT_NE(outcome.Out.find(line), std::string::npos) << line << " in:\n" << outcome.Out;
}

TEST_F(CommandLineProgramTest, EachFailureEndsWithItsOwnExitStatusAndSaysWhy) {
  songs.Write("huge.wav", 2200000);  // larger than either memory
  songs.Write("small.mp3", 1000);
  WriteProfile("Huge", 1, {{"huge.wav", "small.mp3"}});
  WriteFile(folder.Path() + "Profiles/notes.qvt", "hello\n");
  const std::tuple<QStringList, int, std::string> cases[] = {
      {{"--simulate", "--stauts"}, 2, "Unknown option 'stauts'."},
      {{"--simulate", "--program"}, 2, "Missing value after '--program'."},
      {{"--simulate", "--program", "Front", "Door"}, 2, "Unexpected argument 'Door'"},
      {{"--simulate", "--json"}, 64, "--json goes with --status or --list."},
      {{"--simulate", "--program", "Huge", "--json"}, 64, "--json goes with --status or --list."},
      {{"--simulate", "--status", "--verify", "full"}, 64, "--verify goes with --program."},
      {{"--simulate", "--program", "Huge", "--list"},
       64,
       "--program and --list do not go together: list the profiles on their own."},
      {{"--simulate", "--program", "Huge", "--program", "Gone"},
       2,
       "--program takes one profile at a time."},
      {{"--simulate", "--program", "Huge", "--verify", "all"},
       2,
       "--verify takes full or quick, not 'all'."},
      {{"--simulate", "--program", "Nobody"}, 3, "No profile named \"Nobody\""},
      {{"--simulate", "--program", "notes"}, 3, "Profiles/notes.qvt is not a profile file.\n"},
      {{"--simulate", "--program", "Huge"}, 7, "Song Is Too Large\n"},
  };
  for (const auto& [arguments, exitStatus, message] : cases) {
    const Outcome outcome = Run(arguments);
    EXPECT_EQ(outcome.ExitStatus, exitStatus) << arguments.join(' ').toStdString();
    EXPECT_NE(outcome.Err.find(message), std::string::npos) << message << " in:\n" << outcome.Err;
  }
}

TEST_F(CommandLineProgramTest, VerifyWithoutProgramIsRefusedBeforeTheWindowsLookForADisplay) {
  const Outcome outcome = Run({"--verify", "quick"});
  EXPECT_EQ(outcome.ExitStatus, 64);
  EXPECT_EQ(outcome.Err,
            "vantora-programmer: --verify goes with --program.\n"
            "Try 'vantora-programmer --help' for more information.\n");
  EXPECT_EQ(outcome.Out, "");
}

TEST_F(CommandLineProgramTest, HelpListsTheExitStatusesAndVersionNamesTheRelease) {
  const Outcome help = Run({"--help"});
  EXPECT_EQ(help.ExitStatus, 0);
  for (const char* text :
       {"[options] [file]", "  file  ", "--status", "--list", "--program <name>", "--simulate",
        "--json", "Exit status:", "no display to open the windows on", "  4  a sound file",
        "  8  writing or verifying", "  9  written and verified, but sounds were left out",
        " 64  options that do not go together"})
    EXPECT_NE(help.Out.find(text), std::string::npos) << text;
  const Outcome version = Run({"--version"});
  EXPECT_EQ(std::pair(version.ExitStatus, version.Out),
            std::pair(0, std::string("vantora-programmer " VANTORA_VERSION "\n")));
}

TEST_F(CommandLineProgramTest, TheWindowsWithoutADisplayEndWithAMessageAndUsageStatusNotAnAbort) {
  const std::string message =
      "No display found. The command line works without one: see vantora-programmer --help.\n";
  const std::pair<QStringList, QString> starts[] = {
      {{}, {}},
      {{"--simulate", "Porch.qvt"}, QStringLiteral("xcb")},
      {{"-platform", "xcb"}, {}},
  };
  for (const auto& [arguments, platform] : starts) {
    const Outcome outcome = Run(arguments, platform);
    EXPECT_EQ(outcome.ExitStatus, 2) << arguments.join(' ').toStdString();
    EXPECT_EQ(outcome.Err, message);
    EXPECT_EQ(outcome.Out, "");
  }
}
