// The checks before a run, through both front ends: a profile that must not
// be sent is refused the same way by the windows and by the command line.
#include <QLabel>
#include <QTreeWidget>
#include <functional>
#include <sstream>

#include "application/AppFixture.h"
#include "commandline/CommandLineFrontEnd.h"
#include "commandline/CommandLineRequest.h"
#include "support/ProfileFiles.h"
#include "support/SongFolder.h"

namespace {

// Where the windows tell it: a question of the editor, its Info line, or
// the programming page's result line once PROGRAM was pressed.
enum class Told { Question, Info, ResultLine };

struct Refusal {
  const char* Case;
  // The profile "Porch" as the sound files and the unit make it: before the
  // program starts, and once the editor has loaded it.
  std::function<std::vector<std::string>(SongFolder&, SimulatedUnit&)> Before;
  std::function<void(SongFolder&, SimulatedUnit&)> After;
  Told Where;
  std::string Says;  // the same words on the command line's first line
  int ExitStatus;
};

void PrintTo(const Refusal& refusal, std::ostream* out) {
  *out << refusal.Case;
}

class RefusalTableTest : public AppFixture, public ::testing::WithParamInterface<Refusal> {
 protected:
  std::string WindowsSay() {
    const std::vector<std::string> sounds = GetParam().Before(songs, *unit);
    std::filesystem::create_directory(ProgramFolder() + "Profiles");
    WriteFile(ProgramFolder() + "Profiles/Porch.qvt", ProfileText(3, {sounds}));
    StartProgram();
    GoToEditor();
    GetParam().After(songs, *unit);
    Probe();
    Editor()->OnStatusTimer();
    prompts.Answers = {PromptAnswer::Cancel};  // to whichever question comes
    Click(Editor(), "bbNext");
    switch (GetParam().Where) {
      case Told::Question:
        return prompts.Questions.empty() ? "(nothing asked)" : prompts.Questions[0].Text;
      case Told::Info:
        return Find<QLabel>(Editor(), "Info")->text().toStdString();
      case Told::ResultLine:
        break;
    }
    if (!Programming()->isVisible()) return "(the editor kept the profile)";
    Click(Programming(), "bbProgram");
    return Find<QLabel>(Programming(), "Label3")->text().toStdString();
  }
  std::pair<int, std::string> CommandLineSays() {
    std::ostringstream out, err;
    const int status =
        CommandLineFrontEnd({*unit, clock, ProgramFolder() + "Profiles/", out, err})
            .Run(ParseCommandLine({"vantora-programmer", "--simulate", "--program", "Porch"}));
    std::string first;
    std::getline(std::istringstream(err.str()) >> std::ws, first);
    return {status, first};
  }

  SongFolder songs;
};

std::vector<std::string> OneSound(SongFolder& songs, std::size_t size) {
  songs.Write("a.wav", size);
  return {songs.Directory() + "a.wav"};
}

void AsItIs(SongFolder&, SimulatedUnit&) {}

const Refusal Refusals[] = {
    {"a sound whose file is gone",
     [](SongFolder& songs, SimulatedUnit&) {
       songs.Write("b.wav", 2000);
       return std::vector{OneSound(songs, 1000)[0], songs.Directory() + "b.wav"};
     },
     [](SongFolder& songs, SimulatedUnit&) {
       std::filesystem::remove(songs.Directory() + "b.wav");
     },
     Told::Question, "", 4},
    {"a file that is no sound",
     [](SongFolder& songs, SimulatedUnit&) {
       WriteFile(songs.Directory() + "notes.mp3", "hello");
       return std::vector{OneSound(songs, 1000)[0], songs.Directory() + "notes.mp3"};
     },
     AsItIs, Told::Question, "These files are not MP3 or WAV sounds: notes.mp3", 4},
    {"no sound at all", [](SongFolder&, SimulatedUnit&) { return std::vector<std::string>{}; },
     AsItIs, Told::Info, "No Songs To Program", 7},
    {"one sound larger than every memory",
     [](SongFolder& songs, SimulatedUnit&) { return OneSound(songs, 2200000); }, AsItIs,
     Told::Info, "Song Is Too Large", 7},
    {"no programmer",
     [](SongFolder& songs, SimulatedUnit& unit) {
       unit.Attach(false);
       songs.Write("b.wav", 2000);
       return std::vector{OneSound(songs, 1000)[0], songs.Directory() + "b.wav"};
     },
     AsItIs, Told::ResultLine, "Vantora Must Be Connected", 5},
    {"a unit without a memory the program knows",
     [](SongFolder& songs, SimulatedUnit& unit) {
       unit = SimulatedUnit();
       songs.Write("b.wav", 2000);
       return std::vector{OneSound(songs, 1000)[0], songs.Directory() + "b.wav"};
     },
     AsItIs, Told::ResultLine, "Song Is Too Large", 7},
};

}  // namespace

TEST_P(RefusalTableTest, BothFrontEndsRefuseTheProfileWithTheSameWords) {
  std::string expected = GetParam().Says;
  if (expected.empty()) {
    expected = "The file : " + songs.Directory() + "b.wav does not exist or has been moved.";
  }
  EXPECT_EQ(WindowsSay(), expected);
  const auto [status, says] = CommandLineSays();
  EXPECT_EQ(status, GetParam().ExitStatus);
  // Without a programmer, the command line names what is missing itself.
  EXPECT_EQ(says, GetParam().ExitStatus == 5 ? "Programmer Not Found" : expected);
}

INSTANTIATE_TEST_SUITE_P(Refusals, RefusalTableTest, ::testing::ValuesIn(Refusals),
                         [](const ::testing::TestParamInfo<Refusal>& param) {
                           std::string name;
                           for (const char c : std::string(param.param.Case)) {
                             if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                           }
                           return name;
                         });
